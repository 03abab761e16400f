#pragma once

#include "widgets/block_codec.h"
#include "widgets/byte_row.h"
#include "widgets/field_map.h"

#include <QVector>

#include <functional>

class DATA_FILE_READ_WRITE;
class QWidget;

// The life of a page, in the one order every page follows: made without
// widgets; built once (the form set up, its field map's rows bound to the
// widgets, the page's own set-up, the form's texts, the value lists); then
// translated again, decoded and encoded as often as the window asks. A page
// holds one as a member, after its form, and keeps its own entry points as
// thin calls into it.
class Page_Frame
{
public:
    template <class Page, class Form>
    Page_Frame(Page* page, typename Field_Map<Page, Form>::Form_Type& form, const Field_Map<Page, Form>& map)
        : m_setUpForm([page, &form] { form.setupUi(page); })
        , m_retranslateForm([page, &form] { form.retranslateUi(page); })
        , m_bind([page, &form, &map](Block_Codec& codec) { return map.Bind(*page, form, codec); })
        , m_fillLists([page, &form, &map] { map.Fill_Lists(*page, form); })
        , m_owners([&form, &map] { return map.Owners(form); })
        , m_page(page)
    {
        Enter(page);
    }
    ~Page_Frame();
    Page_Frame(const Page_Frame&) = delete;
    Page_Frame& operator=(const Page_Frame&) = delete;

    // The frame of `page` while the page lives; none for a page without one.
    // The byte map finds the pages' bytes and widgets through it.
    static const Page_Frame* Of(const QWidget* page);

    bool Is_Built() const { return m_built; }

    // Builds the page once; `setUp` is the page's own part (field rules,
    // hidden rows, helpers of its own), run once the rows are bound. Each
    // time the form is translated, `afterTexts` follows the form's texts (a
    // table's headers) and `afterLists` the value lists (a table's cells
    // shown in them). False when the page was built already.
    bool Build(const std::function<void()>& setUp = {}, std::function<void()> afterTexts = {},
               std::function<void()> afterLists = {});

    // The form's texts in the installed language, then the value lists,
    // which leaves every list box on its first item; each followed by the
    // page's step for it.
    void Retranslate();
    void Fill_Lists();

    void Decode(const DATA_FILE_READ_WRITE& image) const { m_codec.Decode(image); }
    void Encode(DATA_FILE_READ_WRITE& image) const { m_codec.Encode(image); }

    // The byte rows in map order; empty until the page is built.
    const QVector<Byte_Row>& Rows() const { return m_rows; }
    // Every byte the page owns with the widget that shows it, from the field
    // map; empty until the page is built.
    QVector<Field_Owner> Owners() const;

private:
    void Enter(const QWidget* page);

    std::function<void()> m_setUpForm;
    std::function<void()> m_retranslateForm;
    std::function<QVector<Byte_Row>(Block_Codec&)> m_bind;
    std::function<void()> m_fillLists;
    std::function<QVector<Field_Owner>()> m_owners;
    const QWidget* m_page;
    std::function<void()> m_afterTexts;
    std::function<void()> m_afterLists;
    Block_Codec m_codec;
    QVector<Byte_Row> m_rows;
    bool m_built = false;
};
