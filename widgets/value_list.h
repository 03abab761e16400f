#pragma once

#include <QList>
#include <QStringList>

// The items of a combo box, made anew in the installed language each time
// the page fills its lists: source texts translated in their page's context,
// or texts a rule makes that are the same in every language (times, codes).
class Value_List
{
public:
    using Source_Texts = const QList<const char*>& (*)();
    using Rule_Texts = QStringList (*)();

    // Each source text marked with QT_TRANSLATE_NOOP(context, ...).
    Value_List(const char* context, Source_Texts sources);
    explicit Value_List(Rule_Texts texts);

    QStringList Texts() const;

private:
    const char* m_context = nullptr;
    Source_Texts m_sources = nullptr;
    Rule_Texts m_rule = nullptr;
};
