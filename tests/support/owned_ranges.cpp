#include "support/owned_ranges.h"

#include "app/shell_blocks.h"
#include "widgets/block_codec.h"

namespace {
QVector<Owned_Page>& Registry()
{
    static QVector<Owned_Page> pages;
    return pages;
}
QVector<Owned_Page>& Lossy()
{
    static QVector<Owned_Page> pages;
    return pages;
}
} // namespace

Lossy_Registrar::Lossy_Registrar(const QString& page, const QVector<Owned_Range>& ranges)
{
    Lossy().append({page, ranges});
}

const QVector<Owned_Page>& All_Lossy_Pages()
{
    return Lossy();
}

Owned_Registrar::Owned_Registrar(const QString& page, const QVector<Owned_Range>& ranges)
{
    Registry().append({page, ranges});
}

QVector<Owned_Range> Ranges_Of(const QVector<Block_Span>& spans)
{
    QVector<Owned_Range> ranges;
    for (const Block_Span& span : spans)
        ranges.append({span.Addr(), span.Width});
    return ranges;
}

const QVector<Owned_Page>& All_Owned_Pages()
{
    return Registry();
}

QVector<Owned_Range> Shell_Owned_Ranges()
{
    return Ranges_Of(Shell_Fixed_Blocks().Owned());
}
