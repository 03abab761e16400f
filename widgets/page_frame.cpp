#include "widgets/page_frame.h"

bool Page_Frame::Build(const std::function<void()>& setUp)
{
    if (m_built)
        return false;
    m_built = true;
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
    Fill_Lists();
}

void Page_Frame::Fill_Lists()
{
    m_fillLists();
}
