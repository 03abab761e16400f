#pragma once

#include "widgets/block_codec.h"
#include "widgets/byte_kind.h"
#include "widgets/byte_row.h"
#include "widgets/field_layout.h"
#include "widgets/value_list.h"

#include <QComboBox>
#include <QStringList>
#include <QVector>

#include <functional>

class DATA_FILE_READ_WRITE;
class QWidget;

// A run of bytes a page owns and the widget that shows it (none for a table
// whose map names no widget).
struct Field_Owner
{
    Block_Span Span;
    QWidget* Widget;
};

// A page's field map: the one place each of its fields is named. A row
// gives the field's block (a region of image/image_regions.h), its offset
// and width from the block's layout table, its kind, the widget of the form
// that shows it (a member of the generated form class, so the map exists
// before any widget does) and, for a list, the page's value list. The tables
// of entries name the bytes they own and the page's functions that read and
// write them. From the map come the page's regions, its byte rows (bound to
// the widgets once the form is set up), its block codec and its list
// filling.
//
// Page is the page class (its value lists are its `_StringList` members),
// Form the generated form class (Ui_<page>).
template <class Page, class Form>
class Field_Map
{
public:
    using Form_Type = Form;

    // A text field's conversion: the text for the field's digits, and the
    // field's digits for a text and the field's width in bytes.
    struct Text_Codec
    {
        QString (*Text)(QStringView hex);
        QString (*Hex)(const QString& text, int width);
    };

    struct Row
    {
        Field_Place Place;
        std::function<Byte_Row(const Form&)> Bind;
        QComboBox* Form::*Box = nullptr;   // a list row's combo box
        QStringList Page::*List = nullptr; // the page's list it shows
    };

    // A value list of the page: the member that keeps it and how its texts
    // are made.
    struct List
    {
        QStringList Page::*Kept;
        Value_List Texts;
    };

    // A combo box that shows one of the page's lists but stores no byte.
    struct List_Box
    {
        QComboBox* Form::*Box;
        QStringList Page::*List;
    };

    // A table of entries with the bytes it owns. Either inside the one block
    // of its spans (Show and Store take the block's text, after the rows), or
    // in regions of its own (Decode and Encode take the image; Encode runs
    // only when the image holds every block of the spans whole).
    struct Entry_Table
    {
        QVector<Block_Span> Owned;
        void (Page::*Show)(QStringView block) = nullptr;
        void (Page::*Store)(QString& block) = nullptr;
        void (Page::*Decode)(const DATA_FILE_READ_WRITE& image) = nullptr;
        void (Page::*Encode)(DATA_FILE_READ_WRITE& image) = nullptr;
        // The widget that shows the entries (see Shown_In), for the byte map.
        std::function<QWidget*(const Form&)> Widget = {};
    };

    // A table's widget: the form's member `widget` (a table widget, or the
    // area that holds the entries' fields).
    template <class W>
    static std::function<QWidget*(const Form&)> Shown_In(W* Form::*widget)
    {
        return [widget](const Form& form) -> QWidget* { return form.*widget; };
    }

    // ---- rows, one maker per kind -------------------------------------------------

    // One byte: the index of the box's current item plus `indexOffset`; its
    // items are the page's list `list`.
    static Row List_Row(const Image_Region::Region& block, int offset, QComboBox* Form::*box,
                        QStringList Page::*list, int indexOffset = 0)
    {
        Row row = Index_Row(block, offset, box, Field_List::Page_List, indexOffset);
        row.List = list;
        return row;
    }

    // The same for a box whose items the form gives it.
    static Row Form_List_Row(const Image_Region::Region& block, int offset, QComboBox* Form::*box)
    {
        return Index_Row(block, offset, box, Field_List::Form_Items, 0);
    }

    static Row Switch_Row(const Image_Region::Region& block, int offset, QCheckBox* Form::*box)
    {
        Row row{{{block, offset, 1}, Field_Kind::Switch, Field_List::None}, {}};
        row.Bind = [offset, box](const Form& form) { return Byte_Row(offset, 1, Switch_Byte(), form.*box); };
        return row;
    }

    static Row Text_Row(const Image_Region::Region& block, int offset, int width, QLineEdit* Form::*edit,
                        Text_Codec codec)
    {
        Row row{{{block, offset, width}, Field_Kind::Text, Field_List::None}, {}};
        row.Bind = [offset, width, edit, codec](const Form& form) {
            return Byte_Row(offset, width, Text_Field(codec.Text, codec.Hex), form.*edit);
        };
        return row;
    }

    // A field with a conversion of the page's own; `kind` may use other
    // widgets of the form.
    template <class W>
    static Row Custom_Row(const Image_Region::Region& block, int offset, int width, W* Form::*widget,
                          Byte_Kind<W> (*kind)(const Form& form))
    {
        Row row{{{block, offset, width}, Field_Kind::Custom, Field_List::None}, {}};
        row.Bind = [offset, width, widget, kind](const Form& form) {
            return Byte_Row(offset, width, kind(form), form.*widget);
        };
        return row;
    }

    // ---- the map ----------------------------------------------------------------------

    // `digits`: how the map's blocks are read and written back.
    Field_Map(QVector<List> lists, QVector<Row> rows, QVector<Entry_Table> tables = {},
              QVector<List_Box> listBoxes = {}, Block_Codec::Digits digits = Block_Codec::Digits::Upper_Case)
        : m_lists(std::move(lists))
        , m_rows(std::move(rows))
        , m_tables(std::move(tables))
        , m_listBoxes(std::move(listBoxes))
        , m_digits(digits)
    {
        for (const Row& row : m_rows)
            m_layout.Rows.append(row.Place);
        for (const Entry_Table& table : m_tables)
            m_layout.Tables += table.Owned;
    }

    const Field_Layout& Layout() const { return m_layout; }

    // Binds every row to the widgets of a set-up form and hands the rows and
    // the tables to `codec`; gives the rows in map order.
    QVector<Byte_Row> Bind(Page& page, const Form& form, Block_Codec& codec) const
    {
        QVector<Byte_Row> rows;
        for (const Row& row : m_rows) {
            rows.append(row.Bind(form));
            codec.Add_Rows(row.Place.Span.Block, {rows.last()}, m_digits);
        }
        for (const Entry_Table& table : m_tables) {
            Page* p = &page;
            if (table.Show) {
                codec.Add_Entries(table.Owned.first().Block, table.Owned,
                                  [p, show = table.Show](QStringView block) { (p->*show)(block); },
                                  [p, store = table.Store](QString& block) { (p->*store)(block); }, m_digits);
                continue;
            }
            QVector<Image_Region::Region> regions;
            for (const Block_Span& span : table.Owned)
                regions.append(span.Block);
            codec.Add_Table(regions, table.Owned,
                            [p, decode = table.Decode](const DATA_FILE_READ_WRITE& image) { (p->*decode)(image); },
                            [p, encode = table.Encode](DATA_FILE_READ_WRITE& image) { (p->*encode)(image); });
        }
        return rows;
    }

    // Every byte the map owns with the widget of the set-up `form` that shows
    // it: the rows' in map order, then each table's spans with its widget.
    QVector<Field_Owner> Owners(const Form& form) const
    {
        QVector<Field_Owner> owners;
        for (const Row& row : m_rows)
            owners.append({row.Place.Span, row.Bind(form).Widget});
        for (const Entry_Table& table : m_tables) {
            for (const Block_Span& span : table.Owned)
                owners.append({span, table.Widget ? table.Widget(form) : nullptr});
        }
        return owners;
    }

    // Makes every value list anew in the installed language, then gives each
    // list's boxes its items (which leaves each box on its first item).
    void Fill_Lists(Page& page, const Form& form) const
    {
        for (const List& list : m_lists)
            page.*list.Kept = list.Texts.Texts();
        for (const Row& row : m_rows) {
            if (row.List)
                Refill(form.*row.Box, page.*row.List);
        }
        for (const List_Box& box : m_listBoxes)
            Refill(form.*box.Box, page.*box.List);
    }

private:
    static Row Index_Row(const Image_Region::Region& block, int offset, QComboBox* Form::*box, Field_List list,
                         int indexOffset)
    {
        Row row{{{block, offset, 1}, Field_Kind::List_Index, list}, {}};
        row.Box = box;
        row.Bind = [offset, box, indexOffset](const Form& form) {
            return Byte_Row(offset, 1, Combo_Index_Byte(indexOffset), form.*box);
        };
        return row;
    }

    static void Refill(QComboBox* box, const QStringList& items)
    {
        box->clear();
        box->addItems(items);
    }

    QVector<List> m_lists;
    QVector<Row> m_rows;
    QVector<Entry_Table> m_tables;
    QVector<List_Box> m_listBoxes;
    Block_Codec::Digits m_digits;
    Field_Layout m_layout;
};
