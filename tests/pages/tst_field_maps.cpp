// Every page with a field map, walked the same way: its rows and tables lie
// inside their blocks and no byte has two owners, on any page; each row has
// a widget of its own of its kind, every list row has its list; and decode
// then encode, on seeded random images whole and partial, changes no byte
// the page does not own, writes nothing of a region the image does not hold
// whole, and is a fixed point.

#include "image/hex_text.h"
#include "image/image_regions.h"
#include "pages/aprs/aprs_form.h"
#include "pages/fm/fm_radio_form.h"
#include "pages/settings/bluetooth_form.h"
#include "pages/settings/shortcuts_setting_form.h"
#include "pages/settings/sounds_setting_form.h"
#include "pages/signalling/dtmf_form.h"
#include "pages/signalling/five_tone_form.h"
#include "pages/signalling/two_tone_form.h"
#include "support/test_image.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QtTest>

#include <functional>
#include <memory>

using namespace Image_Region;

namespace {

struct Page_Case
{
    QString Name;
    const Field_Layout* Layout;
    int Rows;  // rows in the map
    int Owned; // bytes the page owns
    // Bytes of the page's one block it must leave alone, as block offsets
    // (first, last), where the page's tests pin them.
    QVector<QPair<int, int>> Kept;
    bool Block_Order; // the rows run in block order
    std::function<std::unique_ptr<QWidget>()> Make;
    std::function<const QVector<Byte_Row>&(QWidget*)> Rows_Of;
    std::function<void(QWidget*, DATA_FILE_READ_WRITE*)> Decode;
    std::function<void(QWidget*, DATA_FILE_READ_WRITE*)> Encode;
};

template <class Page>
Page_Case Case(const char* name, int rows, int owned, QVector<QPair<int, int>> kept = {}, bool blockOrder = false)
{
    return {QString::fromLatin1(name), &Page::Layout(), rows, owned, kept, blockOrder,
            [] { return std::unique_ptr<QWidget>(new Page(nullptr)); },
            [](QWidget* page) -> const QVector<Byte_Row>& { return static_cast<Page*>(page)->Byte_Rows(); },
            [](QWidget* page, DATA_FILE_READ_WRITE* image) {
                static_cast<Page*>(page)->Set_Windows_Data_From_SP_Read(image);
            },
            [](QWidget* page, DATA_FILE_READ_WRITE* image) {
                static_cast<Page*>(page)->Get_Windows_Data_To_SP_Write(image);
            }};
}

const QVector<Page_Case>& Pages()
{
    static const QVector<Page_Case> pages = {
        Case<SOUNDS_SETTING_FORM>("SOUNDS_SETTING_FORM", 15, 15),
        Case<SHORTCUTS_SETTING_FORM>("SHORTCUTS_SETTING_FORM", 9, 9),
        Case<BLUETOOTH_FORM>("BLUETOOTH_FORM", 5, 5),
        // On/off, mode, VFO frequency, 32 records, in-use bytes of 32 channels.
        Case<FM_RADIO_FORM>("FM_RADIO_FORM", 3, 1 + 1 + 4 + 32 * 32 + 4),
        Case<DTMF_FORM>("DTMF_FORM", 21 + 36, 869,
                        {{0x008, 0x009}, {0x00D, 0x013}, {0x01B, 0x01D}, {0x021, 0x027}, {0x1A8, 0x1C1},
                         {0x34A, 0x383}, {0x3CC, 0x3FF}}),
        Case<FIVE_TONE_FORM>("FIVE_TONE_FORM", 14 + 16 * 3 + 8 * 4 + 16 * 2, 2048 - 683, {}, true),
        // Callsigns, symbol, filters, channel records; transmit timing, position,
        // altitude; path; comment.
        Case<APRS_FORM>("APRS_FORM", 45, 0x78 + 0x22 + 0x39 + 0x40,
                        {{0x078, 0x0C7}, {0x0EA, 0x0FE}, {0x138, 0x1FF}, {0x240, 0x3FF}}),
        // Six settings, 16 encode entries of 12 bytes, 16 decode entries of 14.
        Case<TWO_TONE_FORM>("TWO_TONE_FORM", 6, 6 + 16 * 12 + 16 * 14, {{0x006, 0x009}, {0x0CA, 0x0FF}, {0x1E0, 0x1FF}}),
    };
    return pages;
}

QString Hex_Addr(int addr)
{
    return QStringLiteral("0x%1").arg(addr, 0, 16).toUpper();
}

} // namespace

class Tst_Field_Maps : public QObject
{
    Q_OBJECT

private slots:
    void each_byte_has_one_owner();
    void pages_data();
    void rows_have_their_widgets_and_lists_data() { pages_data(); }
    void rows_have_their_widgets_and_lists();
    void decode_encode_is_a_fixed_point_data() { pages_data(); }
    void decode_encode_is_a_fixed_point();
};

void Tst_Field_Maps::pages_data()
{
    QTest::addColumn<int>("page");
    for (int p = 0; p < Pages().size(); ++p)
        QTest::newRow(qPrintable(Pages()[p].Name)) << p;
}

void Tst_Field_Maps::each_byte_has_one_owner()
{
    QHash<int, QString> owner;
    for (const Page_Case& page : Pages()) {
        const Field_Layout& layout = *page.Layout;
        QCOMPARE(layout.Rows.size(), page.Rows);
        int owned = 0;
        for (const Block_Span& span : layout.Owned()) {
            QVERIFY2(span.Width > 0 && span.Offset >= 0 && span.Offset + span.Width <= span.Block.Size,
                     qPrintable(page.Name + QLatin1Char(' ') + Hex_Addr(span.Addr())));
            for (int addr = span.Addr(); addr < span.Addr() + span.Width; ++addr) {
                QVERIFY2(!owner.contains(addr), qPrintable(QStringLiteral("%1 owned by %2 and %3")
                                                               .arg(Hex_Addr(addr), owner.value(addr), page.Name)));
                owner.insert(addr, page.Name);
                for (const auto& kept : page.Kept)
                    QVERIFY2(addr - span.Block.Addr < kept.first || addr - span.Block.Addr > kept.second,
                             qPrintable(page.Name + QLatin1Char(' ') + Hex_Addr(addr)));
            }
            owned += span.Width;
        }
        QCOMPARE(owned, page.Owned);
        for (int i = 1; page.Block_Order && i < layout.Rows.size(); ++i)
            QVERIFY(layout.Rows[i - 1].Span.Offset < layout.Rows[i].Span.Offset);
    }
}

void Tst_Field_Maps::rows_have_their_widgets_and_lists()
{
    QFETCH(int, page);
    const Page_Case& test = Pages()[page];
    const std::unique_ptr<QWidget> widget = test.Make();
    const QVector<Byte_Row>& rows = test.Rows_Of(widget.get());
    const QVector<Field_Place>& places = test.Layout->Rows;
    QCOMPARE(rows.size(), places.size());
    QSet<QWidget*> seen;
    for (int i = 0; i < rows.size(); ++i) {
        QWidget* w = rows[i].Widget;
        const QString name = w->objectName();
        QVERIFY2(!seen.contains(w), qPrintable(name));
        seen.insert(w);
        QCOMPARE(rows[i].Offset, places[i].Span.Offset);
        QCOMPARE(rows[i].Width, places[i].Span.Width);
        QVERIFY2(widget->findChild<QWidget*>(name) == w, qPrintable(name));
        const Field_Kind kind = places[i].Kind;
        QVERIFY2((kind == Field_Kind::List_Index) == (places[i].List != Field_List::None), qPrintable(name));
        if (kind == Field_Kind::List_Index || kind == Field_Kind::Switch)
            QCOMPARE(rows[i].Width, 1);
        if (kind == Field_Kind::List_Index) {
            auto* box = qobject_cast<QComboBox*>(w);
            QVERIFY2(box && box->count() > 0 && box->currentIndex() == 0, qPrintable(name));
        } else if (kind == Field_Kind::Switch) {
            QVERIFY2(qobject_cast<QCheckBox*>(w), qPrintable(name));
        } else if (kind == Field_Kind::Text) {
            // Every text of a single-byte field fits its slot.
            auto* edit = qobject_cast<QLineEdit*>(w);
            QVERIFY2(edit && edit->maxLength() <= rows[i].Width, qPrintable(name));
        }
    }
}

void Tst_Field_Maps::decode_encode_is_a_fixed_point()
{
    QFETCH(int, page);
    const Page_Case& test = Pages()[page];
    QVector<bool> owned(Image_End - Image_Start, false);
    for (const Block_Span& span : test.Layout->Owned()) {
        for (int addr = span.Addr(); addr < span.Addr() + span.Width; ++addr)
            owned[addr - Image_Start] = true;
    }

    for (quint32 seed = 1; seed <= 24; ++seed) {
        QRandomGenerator random(seed);
        // Every third image ends or starts inside some region of the page.
        int start = Image_Start;
        int end = Image_End;
        if (seed % 3 == 0) {
            const Region region = test.Layout->Regions().value(random.bounded(int(test.Layout->Regions().size())));
            (random.bounded(2) ? end : start) = region.Addr + random.bounded(region.Size);
        }
        const QByteArray bytes = Seeded_Bytes(end - start, seed);
        auto image = Make_Image(start, bytes, {int(random.bounded(1, 80)), seed % 2 == 0, false});

        const std::unique_ptr<QWidget> widget = test.Make();
        test.Decode(widget.get(), image.get());
        test.Encode(widget.get(), image.get());
        const QByteArray first = Image_Bytes(*image);
        const QString firstText = image->Image_Text();
        QCOMPARE(first.size(), bytes.size());
        for (int i = 0; i < bytes.size(); ++i) {
            if (!owned[start + i - Image_Start] && first[i] != bytes[i])
                QFAIL(qPrintable(QStringLiteral("seed %1: byte %2 not the page's changed")
                                     .arg(seed)
                                     .arg(Hex_Addr(start + i))));
        }
        for (const Region& region : test.Layout->Regions()) {
            if (!image->Holds(region.Addr, region.Size)) {
                const int from = qMax(region.Addr, start) - start;
                const int to = qMin(region.Addr + region.Size, end) - start;
                QVERIFY2(from >= to || first.mid(from, to - from) == bytes.mid(from, to - from),
                         qPrintable(Hex_Addr(region.Addr)));
            }
        }

        const std::unique_ptr<QWidget> again = test.Make();
        test.Decode(again.get(), image.get());
        test.Encode(again.get(), image.get());
        QVERIFY2(image->Image_Text() == firstText, qPrintable(QStringLiteral("seed %1").arg(seed)));
    }
}

QTEST_MAIN(Tst_Field_Maps)
#include "tst_field_maps.moc"
