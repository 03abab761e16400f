#include "pages/aprs/aprs_field_kinds.h"

#include "image/hex_text.h"
#include "pages/aprs/aprs_codec.h"
#include "widgets/field_validator.h"

#include <QComboBox>
#include <QLineEdit>

#include <memory>

using namespace Aprs_Codec;

namespace {

// What the last decode showed in a text field and its list, and the field's
// digits as read (none where the block did not hold them whole).
struct Shown_As_Read
{
    QString Text;
    int Index = -1;
    QString Digits;
    bool Showing = false; // a decode is setting the widgets

    void Remember(const QLineEdit* edit, const QComboBox* list, QStringView digits, int bytes)
    {
        Text = edit->text();
        Index = list ? list->currentIndex() : -1;
        Digits = digits.size() == 2 * bytes && Is_Hex_Text(digits) ? digits.toString().toUpper() : QString();
    }

    bool Unedited(const QLineEdit* edit, const QComboBox* list) const
    {
        return !Digits.isEmpty() && edit->text() == Text && (list ? list->currentIndex() : -1) == Index;
    }
};

constexpr int Word_Bytes = 4;

} // namespace

namespace Aprs_Field_Kinds {

Byte_Kind<QLineEdit> Position(QLineEdit* edit, QComboBox* hemisphere)
{
    const auto read = std::make_shared<Shown_As_Read>();
    const auto word = [=] {
        return read->Unedited(edit, hemisphere) ? Hex_Le_Or_Zero(read->Digits, 0, Word_Bytes)
                                                : Position_To_Word(edit->text(), hemisphere->currentIndex());
    };
    const auto northOrEastForZero = [=] {
        if (!read->Showing && hemisphere->currentIndex() > 0 && word() == 0)
            hemisphere->setCurrentIndex(0);
    };
    // The list and code take effect at once; typing waits until it is done:
    // editing finishes, or the field is left and shows its stored form, which
    // comes in by setText (a text no longer modified).
    QObject::connect(hemisphere, &QComboBox::currentIndexChanged, edit, northOrEastForZero);
    QObject::connect(edit, &QLineEdit::editingFinished, hemisphere, northOrEastForZero);
    QObject::connect(edit, &QLineEdit::textChanged, hemisphere, [=] {
        if (!edit->isModified())
            northOrEastForZero();
    });

    return {[=](QLineEdit*, QStringView hex) {
                const Aprs_Codec::Position position = Position_From_Field(hex);
                read->Showing = true;
                hemisphere->setCurrentIndex(position.Hemisphere);
                Show_Stored_Text(edit, position.Text);
                read->Showing = false;
                read->Remember(edit, hemisphere, hex.left(2 * Word_Bytes), Word_Bytes);
            },
            [=](QLineEdit*, QStringView, int) {
                return Position_Field_Hex(word());
            }};
}

Byte_Kind<QLineEdit> Altitude(QComboBox* unit)
{
    const auto read = std::make_shared<Shown_As_Read>();
    const auto feet = [unit] { return unit->currentIndex() == Altitude_Unit_Feet; };
    return {[=](QLineEdit* edit, QStringView hex) {
                Show_Stored_Text(edit, Altitude_From_Field(hex, feet()));
                read->Remember(edit, unit, hex.left(2 * Word_Bytes), Word_Bytes);
            },
            [=](QLineEdit* edit, QStringView, int) {
                const quint32 word = read->Unedited(edit, unit) ? Hex_Le_Or_Zero(read->Digits, 0, Word_Bytes)
                                                                : Altitude_To_Word(edit->text(), feet());
                return Altitude_Field_Hex(word);
            }};
}

Byte_Kind<QLineEdit> Path()
{
    const auto read = std::make_shared<Shown_As_Read>();
    return {[read](QLineEdit* edit, QStringView hex) {
                Show_Stored_Text(edit, Path_From_Hex(hex));
                read->Remember(edit, nullptr, hex, Path_Field_Size);
            },
            [read](QLineEdit* edit, QStringView stored, int) {
                return read->Unedited(edit, nullptr) ? read->Digits : Path_Field_Hex(edit->text(), stored);
            }};
}

} // namespace Aprs_Field_Kinds
