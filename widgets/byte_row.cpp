#include "widgets/byte_row.h"

#include "image/hex_text.h"

#include <QtGlobal>

QWidget* Byte_Row::Checked_Widget(QWidget* widget, int offset)
{
    if (!widget)
        qFatal("Byte_Row: no widget for the field at byte 0x%X", offset);
    return widget;
}

Byte_Row Byte_Row::Fixed(int offset, const QString& hex)
{
    Byte_Row row(offset, int(hex.size() / 2));
    row.Show = [](QStringView) {};
    row.Store = [hex](QStringView) { return hex; };
    return row;
}

void Show_Rows(const QVector<Byte_Row>& rows, QStringView block)
{
    for (const Byte_Row& row : rows)
        row.Show(block.mid(2 * row.Offset, 2 * row.Width));
}

void Store_Rows(const QVector<Byte_Row>& rows, QString& block)
{
    for (const Byte_Row& row : rows) {
        const QString hex = row.Store(QStringView(block).mid(2 * row.Offset, 2 * row.Width));
        Replace_Hex_Field(block, row.Offset, row.Width, hex);
    }
}
