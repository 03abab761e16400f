#include "pages/aprs/aprs_field_kinds.h"

#include "image/hex_text.h"
#include "pages/aprs/aprs_codec.h"
#include "widgets/carried_values.h"
#include "widgets/field_validator.h"

#include <QComboBox>
#include <QLineEdit>

#include <memory>

using namespace Aprs_Codec;

namespace {

// What the last decode of a file showed in a text field and its list, and
// the field's digits as read (none where the block did not hold them whole).
struct Shown_As_Read
{
    QString Text;
    int Index = -1;
    QString Digits;

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

    // Whether a decode of `digits` only carries the field's values across: a
    // language switch reads back `written`, what the field wrote for what it
    // shows.
    bool Carried(QStringView digits, const QString& written) const
    {
        return Carried_Values::Active() && !Digits.isEmpty() && digits.compare(written, Qt::CaseInsensitive) == 0;
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
    return {[=](QLineEdit*, QStringView hex) {
                const QStringView digits = hex.left(2 * Word_Bytes);
                if (read->Carried(digits, Le_To_Hex(word(), Word_Bytes)))
                    return;
                const Aprs_Codec::Position position = Position_From_Field(hex);
                hemisphere->setCurrentIndex(position.Hemisphere);
                Show_Stored_Text(edit, position.Text);
                read->Remember(edit, hemisphere, digits, Word_Bytes);
            },
            [=](QLineEdit*, QStringView, int) {
                const quint32 value = word();
                if (value == 0 && !Carried_Values::Active())
                    hemisphere->setCurrentIndex(0);
                return Position_Field_Hex(value);
            }};
}

std::function<QString(const QString&)> Stored_Position_Form(QComboBox* hemisphere)
{
    return [hemisphere](const QString& text) {
        if (Position_To_Word(text, 0) == 0)
            hemisphere->setCurrentIndex(0);
        return Stored_Position_Text(text);
    };
}

Byte_Kind<QLineEdit> Altitude(QComboBox* unit)
{
    const auto read = std::make_shared<Shown_As_Read>();
    const auto feet = [unit] { return unit->currentIndex() == Altitude_Unit_Feet; };
    const auto word = [=](const QLineEdit* edit) {
        return read->Unedited(edit, unit) ? Hex_Le_Or_Zero(read->Digits, 0, Word_Bytes)
                                          : Altitude_To_Word(edit->text(), feet());
    };
    return {[=](QLineEdit* edit, QStringView hex) {
                const QStringView digits = hex.left(2 * Word_Bytes);
                if (read->Carried(digits, Le_To_Hex(word(edit), Word_Bytes)))
                    return;
                Show_Stored_Text(edit, Altitude_From_Field(hex, feet()));
                read->Remember(edit, unit, digits, Word_Bytes);
            },
            [=](QLineEdit* edit, QStringView, int) { return Altitude_Field_Hex(word(edit)); }};
}

Byte_Kind<QLineEdit> Path()
{
    const auto read = std::make_shared<Shown_As_Read>();
    const auto written = [read](const QLineEdit* edit, QStringView stored) {
        return read->Unedited(edit, nullptr) ? read->Digits : Path_Field_Hex(edit->text(), stored);
    };
    return {[=](QLineEdit* edit, QStringView hex) {
                if (read->Carried(hex, written(edit, hex)))
                    return;
                Show_Stored_Text(edit, Path_From_Hex(hex));
                read->Remember(edit, nullptr, hex, Path_Field_Size);
            },
            [=](QLineEdit* edit, QStringView stored, int) { return written(edit, stored); }};
}

} // namespace Aprs_Field_Kinds
