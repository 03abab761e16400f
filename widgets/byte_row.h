#pragma once

#include "widgets/byte_kind.h"

#include <QVector>

class QWidget;

// One row of a page's byte table: a field of a block (offset and width in
// bytes), its kind, and the widget that shows it. A page lists its rows
// once, from its typed ui pointers, when it builds its widgets; its decoder
// and its encoder both walk that one list, and the bytes no row names pass
// through an encode as they were read.
struct Byte_Row
{
    // The widget must exist: a row without one stops the program at once.
    template <class W>
    Byte_Row(int offset, int width, const Byte_Kind<W>& kind, typename Byte_Kind<W>::Widget* widget)
        : Offset(offset)
        , Width(width)
        , Widget(Checked_Widget(widget, offset))
        , Show([show = kind.Show, widget](QStringView hex) { show(widget, hex); })
        , Store([store = kind.Store, widget, width](QStringView stored) { return store(widget, stored, width); })
    {
    }

    // A field the block always stores as `hex` (2 x width digits), whatever
    // it held; it has no widget and shows nothing.
    static Byte_Row Fixed(int offset, const QString& hex);

    int Offset; // bytes from the start of the block
    int Width;  // bytes
    QWidget* Widget;
    std::function<void(QStringView hex)> Show;
    std::function<QString(QStringView stored)> Store;

private:
    Byte_Row(int offset, int width)
        : Offset(offset)
        , Width(width)
        , Widget(nullptr)
    {
    }
    static QWidget* Checked_Widget(QWidget* widget, int offset);
};

// Shows every row's field of `block` (the block's hex text), in table order.
void Show_Rows(const QVector<Byte_Row>& rows, QStringView block);

// Puts every row's digits into `block`; a field that does not fit wholly
// inside the text is left as it is.
void Store_Rows(const QVector<Byte_Row>& rows, QString& block);
