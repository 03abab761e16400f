#include "widgets/field_layout.h"

namespace {

void Add_Once(QVector<Image_Region::Region>& regions, const Image_Region::Region& region)
{
    for (const Image_Region::Region& known : regions) {
        if (known.Addr == region.Addr && known.Size == region.Size)
            return;
    }
    regions.append(region);
}

} // namespace

QVector<Image_Region::Region> Field_Layout::Regions() const
{
    QVector<Image_Region::Region> regions;
    for (const Field_Place& row : Rows)
        Add_Once(regions, row.Span.Block);
    for (const Block_Span& table : Tables)
        Add_Once(regions, table.Block);
    return regions;
}

QVector<Block_Span> Field_Layout::Owned() const
{
    QVector<Block_Span> owned;
    for (const Field_Place& row : Rows)
        owned.append(row.Span);
    return owned + Tables;
}
