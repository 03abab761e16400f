#pragma once

#include "widgets/byte_row.h"
#include "widgets/field_layout.h"

#include <QString>
#include <QStringView>
#include <QVector>

#include <functional>

class DATA_FILE_READ_WRITE;

// The one way a page (or the shell) reads and writes its blocks. Per block:
// the block is read, its rows are shown or stored, then the tables of entries
// that lie inside it; an encode writes the block back only when the image
// holds the whole of it, so a missing or partial block is left exactly as it
// is. Tables kept in regions of their own read and write the image
// themselves, and are encoded only when the image holds every one of their
// regions whole. The parts go in the order they were added.
class Block_Codec
{
public:
    // How the digits of a block go back: upper-cased throughout, or as read
    // with only the rows' own digits new. Upper_Case_Read also upper-cases
    // the block as read, so its rows and tables see one case of digits.
    enum class Digits { Upper_Case, As_Read, Upper_Case_Read };

    // Adds rows to `block`, after the rows it has; the block's part is made
    // on its first rows, with `digits`.
    void Add_Rows(const Image_Region::Region& block, const QVector<Byte_Row>& rows,
                  Digits digits = Digits::Upper_Case);

    // A table of entries inside `block`, owning the bytes `owned`: shown from
    // the block's text after the rows, stored into it after the rows.
    void Add_Entries(const Image_Region::Region& block, const QVector<Block_Span>& owned,
                     std::function<void(QStringView block)> show, std::function<void(QString& block)> store,
                     Digits digits = Digits::Upper_Case);

    // A table in regions of its own. `decode` always runs (what it reads may
    // be missing); `encode` only when the image holds each of `regions` whole.
    // `owned` names the bytes `encode` writes.
    void Add_Table(const QVector<Image_Region::Region>& regions, const QVector<Block_Span>& owned,
                   std::function<void(const DATA_FILE_READ_WRITE& image)> decode,
                   std::function<void(DATA_FILE_READ_WRITE& image)> encode);

    // A block the image does not hold whole reads as an empty text: its rows
    // then show what they show for no bytes.
    void Decode(const DATA_FILE_READ_WRITE& image) const;
    void Encode(DATA_FILE_READ_WRITE& image) const;

    // The bytes an encode may write: every row's, and every table's.
    QVector<Block_Span> Owned() const;

private:
    struct Entries
    {
        std::function<void(QStringView)> Show;
        std::function<void(QString&)> Store;
    };
    struct Part
    {
        QVector<Image_Region::Region> Regions; // a block: that one region
        bool Is_Block = true;
        Digits Written = Digits::Upper_Case;
        QVector<Byte_Row> Rows;
        QVector<Entries> Tables;
        QVector<Block_Span> Table_Owned;
        std::function<void(const DATA_FILE_READ_WRITE&)> Decode_Table;
        std::function<void(DATA_FILE_READ_WRITE&)> Encode_Table;
    };

    Part& Block_Part(const Image_Region::Region& block, Digits digits);
    // The block's text in `image` as the part reads it.
    static QString Read_Block(const Part& part, const DATA_FILE_READ_WRITE& image);

    QVector<Part> m_parts;
};
