#include "widgets/page_frame.h"

#include <QHash>

#include <utility>

namespace {

// The frames of the pages that live, by page.
QHash<const QWidget*, const Page_Frame*>& Frames()
{
    static QHash<const QWidget*, const Page_Frame*> frames;
    return frames;
}

} // namespace

void Page_Frame::Enter(const QWidget* page)
{
    Frames().insert(page, this);
}

Page_Frame::~Page_Frame()
{
    Frames().remove(m_page);
}

const Page_Frame* Page_Frame::Of(const QWidget* page)
{
    return Frames().value(page, nullptr);
}

QVector<Field_Owner> Page_Frame::Owners() const
{
    return m_built ? m_owners() : QVector<Field_Owner>();
}

bool Page_Frame::Build(const std::function<void()>& setUp, std::function<void()> afterTexts,
                       std::function<void()> afterLists)
{
    if (m_built)
        return false;
    m_built = true;
    m_afterTexts = std::move(afterTexts);
    m_afterLists = std::move(afterLists);
    m_setUpForm();
    m_rows = m_bind(m_codec);
    if (setUp)
        setUp();
    Retranslate();
    return true;
}

void Page_Frame::Retranslate()
{
    m_retranslateForm();
    if (m_afterTexts)
        m_afterTexts();
    Fill_Lists();
    if (m_afterLists)
        m_afterLists();
}

void Page_Frame::Fill_Lists()
{
    m_fillLists();
}
