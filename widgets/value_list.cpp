#include "widgets/value_list.h"

#include <QCoreApplication>

Value_List::Value_List(const char* context, Source_Texts sources)
    : m_context(context)
    , m_sources(sources)
{
}

Value_List::Value_List(Rule_Texts texts)
    : m_rule(texts)
{
}

QStringList Value_List::Texts() const
{
    if (m_rule)
        return m_rule();
    QStringList texts;
    for (const char* source : m_sources())
        texts.append(QCoreApplication::translate(m_context, source));
    return texts;
}
