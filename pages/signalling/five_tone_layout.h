#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

// Byte layout of Five_Tone_Block (2048 bytes at 0x17000) and the conversions
// of its fields. One table serves the decoder and the encoder, so both walk
// the same fields at the same offsets and widths; the bytes between the
// fields are not the page's and pass through an encode unchanged.

enum class Five_Tone_Field_Kind {
    Index, // one byte: the 0-based current index of a combo box
    Mask,  // one byte: bit i is the (i+1)-th of the eight decode-digit boxes
    Code,  // one character per byte, 0x00 padding; kept: 0-9, A-F, *, #
    Name   // like a code, but every byte 0x01-0x7E is kept; the last byte stays 0x00
};

struct Five_Tone_Field
{
    int Offset; // bytes from the start of the block
    int Width;  // bytes
    Five_Tone_Field_Kind Kind;
    QString Widget; // objectName of the widget; for the mask, the first box
};

// The page's fields in decode (and encode) order: the header by ascending
// offset, then the 16 code rows, the 8 PTT ID rows, the 16 information rows.
const QVector<Five_Tone_Field>& Five_Tone_Fields();

// The eight decode-digit boxes, bit 0 first.
const QStringList& Five_Tone_Mask_Boxes();

// Characters a text field can hold: its width, less the name's final 0x00.
int Five_Tone_Text_Limit(const Five_Tone_Field& field);

// The text of a code or name field read from the block's hex text `block`
// (a block too short for the field reads as empty).
QString Five_Tone_Field_Text(const Five_Tone_Field& field, QStringView block);

// The field's hex text (2 x Width digits) for `text`: codes are stored in
// upper case, since the decoder keeps only upper-case A-F; names as typed.
// A character the field cannot store is left out. A text longer than the
// field's limit is cut to it.
QString Five_Tone_Field_Hex(const Five_Tone_Field& field, const QString& text);

