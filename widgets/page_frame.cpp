#include "widgets/page_frame.h"

#include <utility>

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
