#include "widgets/block_codec.h"

#include "image/data_file_read_write.h"

Block_Codec::Part& Block_Codec::Block_Part(const Image_Region::Region& block, Digits digits)
{
    for (Part& part : m_parts) {
        if (part.Is_Block && part.Regions.first().Addr == block.Addr && part.Regions.first().Size == block.Size)
            return part;
    }
    Part part;
    part.Regions = {block};
    part.Written = digits;
    m_parts.append(part);
    return m_parts.last();
}

void Block_Codec::Add_Rows(const Image_Region::Region& block, const QVector<Byte_Row>& rows, Digits digits)
{
    Block_Part(block, digits).Rows += rows;
}

void Block_Codec::Add_Entries(const Image_Region::Region& block, const QVector<Block_Span>& owned,
                              std::function<void(QStringView)> show, std::function<void(QString&)> store,
                              Digits digits)
{
    Part& part = Block_Part(block, digits);
    part.Tables.append({std::move(show), std::move(store)});
    part.Table_Owned += owned;
}

void Block_Codec::Add_Table(const QVector<Image_Region::Region>& regions, const QVector<Block_Span>& owned,
                            std::function<void(const DATA_FILE_READ_WRITE&)> decode,
                            std::function<void(DATA_FILE_READ_WRITE&)> encode)
{
    Part part;
    part.Regions = regions;
    part.Is_Block = false;
    part.Table_Owned = owned;
    part.Decode_Table = std::move(decode);
    part.Encode_Table = std::move(encode);
    m_parts.append(part);
}

QString Block_Codec::Read_Block(const Part& part, const DATA_FILE_READ_WRITE& image)
{
    const Image_Region::Region& block = part.Regions.first();
    const QString text = image.Read_String_From_Ram_File(block.Addr, block.Size);
    return part.Written == Digits::Upper_Case_Read ? text.toUpper() : text;
}

void Block_Codec::Decode(const DATA_FILE_READ_WRITE& image) const
{
    for (const Part& part : m_parts) {
        if (!part.Is_Block) {
            if (part.Decode_Table)
                part.Decode_Table(image);
            continue;
        }
        const QString text = Read_Block(part, image);
        Show_Rows(part.Rows, text);
        for (const Entries& table : part.Tables)
            table.Show(text);
    }
}

void Block_Codec::Encode(DATA_FILE_READ_WRITE& image) const
{
    for (const Part& part : m_parts) {
        if (!part.Is_Block) {
            bool whole = true;
            for (const Image_Region::Region& region : part.Regions)
                whole = whole && image.Holds(region.Addr, region.Size);
            if (whole && part.Encode_Table)
                part.Encode_Table(image);
            continue;
        }
        const Image_Region::Region& block = part.Regions.first();
        QString text = Read_Block(part, image);
        if (text.size() != 2 * block.Size)
            continue; // no whole block to patch: nothing of it is written
        Store_Rows(part.Rows, text);
        for (const Entries& table : part.Tables)
            table.Store(text);
        if (part.Written != Digits::As_Read)
            text = text.toUpper();
        image.Write_String_To_Ram_File(block.Addr, text);
    }
}

QVector<Block_Span> Block_Codec::Owned() const
{
    QVector<Block_Span> owned;
    for (const Part& part : m_parts) {
        for (const Byte_Row& row : part.Rows)
            owned.append({part.Regions.first(), row.Offset, row.Width});
        owned += part.Table_Owned;
    }
    return owned;
}
