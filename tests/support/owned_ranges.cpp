#include "support/owned_ranges.h"

#include "image/image_regions.h"

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
    using namespace Image_Region;
    const int wm = Work_Mode_Block_Addr;
    return {{Vfo_Mirror_Addr, Vfo_Records_Size}, {wm + 5, 2}, {wm + 10, 8}, {wm + 23, 1},
            {Ff_Fill_Block_Addr, Ff_Fill_Block_Size}};
}
