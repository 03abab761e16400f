#pragma once

#include <QString>
#include <QStringView>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;

// How one field of a block and the widget of type W that shows it turn into
// each other. Show gets the field's hex digits as read: two per byte, fewer
// or none where the block ends early. Store gives the field's 2 x width
// digits for what the widget shows; `stored` holds the digits as read, for
// the kinds that keep what their widget could not show.
template <class W>
struct Byte_Kind
{
    using Widget = W;
    std::function<void(W* widget, QStringView hex)> Show;
    std::function<QString(W* widget, QStringView stored, int width)> Store;
};

// The kinds every page shares.

// One byte: the current index of a combo box plus `indexOffset` (see
// combo_byte.h; a box with no current item writes its byte back as found).
Byte_Kind<QComboBox> Combo_Index_Byte(int indexOffset = 0);

// One byte: a check box, on for any value but 0; stored as 01 or 00.
Byte_Kind<QCheckBox> Switch_Byte();

// A text field through the conversions of its page's widget-free codec:
// `text` reads the field's digits, `hex` gives the field's digits for a text
// and the field's width in bytes. The text goes in as a stored text
// (Show_Stored_Text); the text as it stands goes out.
Byte_Kind<QLineEdit> Text_Field(std::function<QString(QStringView hex)> text,
                                std::function<QString(const QString& text, int width)> hex);
