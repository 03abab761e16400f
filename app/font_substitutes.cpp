#include "app/font_substitutes.h"

#include <QFont>
#include <QStringList>

void Install_Font_Substitutes()
{
    static const bool installed = [] {
        const QString hei = QStringLiteral("WenQuanYi Micro Hei");
        QFont::insertSubstitution(QStringLiteral("Microsoft YaHei"), hei);
        QFont::insertSubstitution(QStringLiteral("微软雅黑"), hei);
        // Chinese text in a "Segoe UI" widget takes the same face as the captions.
        QFont::insertSubstitutions(QStringLiteral("Segoe UI"), {QStringLiteral("Liberation Sans"), hei});
        return true;
    }();
    (void)installed;
}
