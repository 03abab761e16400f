#pragma once

#include "image/image_regions.h"

#include <QVector>

// Where a page's bytes lie, known before its widgets exist: the page list
// takes its regions from here, and the tests their tables of owned bytes.

// A run of bytes of one region of the image.
struct Block_Span
{
    Image_Region::Region Block;
    int Offset; // bytes from the start of the block
    int Width;  // bytes

    int Addr() const { return Block.Addr + Offset; }
};

// What a field's widget makes of its bytes.
enum class Field_Kind {
    List_Index, // one byte: the index of a combo box's current item
    Switch,     // one byte: a check box, on for any value but 0
    Text,       // a text field, through its page's text conversion
    Custom,     // the page's own conversion (a frequency, a set of bits)
};

// Where the items of a list field come from.
enum class Field_List {
    None,       // not a list field
    Page_List,  // one of the page's value lists, filled in every language
    Form_Items, // the items the form gives the box
};

// One row of a field map, without its widget.
struct Field_Place
{
    Block_Span Span;
    Field_Kind Kind;
    Field_List List;
};

// A page's rows, in the order its decoder and encoder walk them, and the
// bytes its tables of entries own.
struct Field_Layout
{
    QVector<Field_Place> Rows;
    QVector<Block_Span> Tables;

    // Every region the rows and tables lie in, once each, in order of first use.
    QVector<Image_Region::Region> Regions() const;
    // The rows' bytes, then the tables'.
    QVector<Block_Span> Owned() const;
};
