#include "pages/signalling/two_tone_codec.h"

#include "image/hex_text.h"

#include <limits>

namespace {

using namespace Two_Tone_Layout;

// A text of decimal digits only whose value fits a signed 32-bit integer.
bool Read_Decimal(QStringView text, qint64* value)
{
    if (text.isEmpty())
        return false;
    qint64 v = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        v = v * 10 + (c.unicode() - '0');
        if (v > std::numeric_limits<qint32>::max())
            return false;
    }
    *value = v;
    return true;
}

QString Two_Digit_Row(int row)
{
    return QString::number(row).rightJustified(2, QLatin1Char('0'));
}

int Encode_Entry_Pos(int row)
{
    return 2 * (Encode_Entry_Addr + Encode_Entry_Size * row);
}

int Decode_Entry_Pos(int row)
{
    return 2 * (Decode_Entry_Addr + Decode_Entry_Size * row);
}

// Reads tone 1, tone 2 and the name common to both entry kinds.
Two_Tone_Entry Read_Entry(QStringView region, int pos, int nameOffset)
{
    Two_Tone_Entry entry;
    const quint32 tone1 = Hex_Le_Or_Zero(region, pos + 2 * Tone_1_Offset, 2);
    if (!Tone_Value_Is_Valid(tone1))
        return entry;
    entry.In_Use = true;
    entry.Tone_1 = Tone_Value_To_Text(tone1);
    const quint32 tone2 = Hex_Le_Or_Zero(region, pos + 2 * Tone_2_Offset, 2);
    if (Tone_Value_Is_Valid(tone2))
        entry.Tone_2 = Tone_Value_To_Text(tone2);
    entry.Name = Name_String_Array(region.mid(pos + 2 * nameOffset, 2 * Name_Bytes).toString());
    return entry;
}

QString Tone_Hex(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("0000") : Le_To_Hex(Tone_Text_To_Value(text), 2);
}

// The name field is 8 bytes, whatever reaches it.
QString Name_Field_Hex(const QString& name)
{
    return Name_To_Hex_String(name, Name_Bytes).left(2 * Name_Bytes);
}

} // namespace

// ---- tones ------------------------------------------------------------------

bool Tone_Value_Is_Valid(quint32 value)
{
    return value >= Tone_Min_Value && value <= Tone_Max_Value;
}

QString Tone_Value_To_Text(quint32 value)
{
    QString text = QString::number(value);
    if (text.size() < 2)
        text.prepend(QLatin1Char('0'));
    text.insert(text.size() - 1, QLatin1Char('.'));
    return text;
}

quint32 Tone_Text_To_Value(const QString& text)
{
    QString digits = text;
    digits.remove(QLatin1Char('.'));
    qint64 value = 0;
    return Read_Decimal(digits, &value) ? quint32(value) : 0;
}

QString Tone_Frequency_Format(const QString& text)
{
    QStringView integerPart = text;
    QStringView fractionDigit = u"0";
    const int point = text.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        integerPart = QStringView(text).left(point);
        if (point + 1 < text.size())
            fractionDigit = QStringView(text).mid(point + 1, 1);
    }

    qint64 integer = 0;
    if (!Read_Decimal(integerPart, &integer))
        integer = 0;
    qint64 fraction = 0;
    if (!Read_Decimal(fractionDigit, &fraction))
        fraction = 0;

    // 64 bits: an integer part up to 2^31 - 1 times ten cannot wrap.
    const qint64 value = qBound<qint64>(Tone_Min_Value, integer * 10 + fraction, Tone_Max_Value);
    return Tone_Value_To_Text(quint32(value));
}

QString Tone_2_Cell_Text(const QString& text)
{
    return text.isEmpty() ? QString() : Tone_Frequency_Format(text);
}

// ---- names ------------------------------------------------------------------

QString Name_Cell_Text(const QString& text)
{
    return text.left(Name_Bytes);
}

QString Default_Encode_Name(int row)
{
    return QStringLiteral("2TENC-") + Two_Digit_Row(row);
}

QString Default_Decode_Name(int row)
{
    return QStringLiteral("2TDEC-") + Two_Digit_Row(row);
}

// ---- rows -------------------------------------------------------------------

void Encode_Row_Check(Two_Tone_Row& cells, int row)
{
    if (cells.Tone_1.isEmpty()) {
        cells.Tone_2.clear();
        cells.Name.clear();
        return;
    }
    cells.Tone_1 = Tone_Frequency_Format(cells.Tone_1);
    if (cells.Name.isEmpty())
        cells.Name = Default_Encode_Name(row);
}

void Decode_Row_Check(Two_Tone_Row& cells, int row, const QString& firstResponse)
{
    if (cells.Tone_1.isEmpty()) {
        cells.Tone_2.clear();
        cells.Response.clear();
        cells.Name.clear();
        return;
    }
    cells.Tone_1 = Tone_Frequency_Format(cells.Tone_1);
    if (cells.Name.isEmpty())
        cells.Name = Default_Decode_Name(row);
    if (cells.Response.isEmpty())
        cells.Response = firstResponse;
}

// ---- entries ----------------------------------------------------------------

Two_Tone_Entry Read_Encode_Entry(QStringView region, int row)
{
    return Read_Entry(region, Encode_Entry_Pos(row), Encode_Name_Offset);
}

Two_Tone_Entry Read_Decode_Entry(QStringView region, int row)
{
    const int pos = Decode_Entry_Pos(row);
    Two_Tone_Entry entry = Read_Entry(region, pos, Decode_Name_Offset);
    if (entry.In_Use)
        entry.Response_Byte = Hex_Byte_Or_Zero(region, pos + 2 * Decode_Response_Offset);
    return entry;
}

void Put_Encode_Entry(QString& region, int row, const Two_Tone_Row& cells)
{
    if (region.size() < 2 * Block_Size)
        return;
    QString hex;
    if (cells.Tone_1.isEmpty())
        hex = QString(2 * Encode_Entry_Size, QLatin1Char('F'));
    else
        hex = Tone_Hex(cells.Tone_1) + Tone_Hex(cells.Tone_2) + Name_Field_Hex(cells.Name);
    region.replace(Encode_Entry_Pos(row), 2 * Encode_Entry_Size, hex);
}

void Put_Decode_Entry(QString& region, int row, const Two_Tone_Row& cells, int responseIndex)
{
    if (region.size() < 2 * Block_Size)
        return;
    const int pos = Decode_Entry_Pos(row);
    if (cells.Tone_1.isEmpty()) {
        region.replace(pos, 2 * Decode_Entry_Size, QString(2 * Decode_Entry_Size, QLatin1Char('F')));
        return;
    }
    const QString hex = Tone_Hex(cells.Tone_1) + Tone_Hex(cells.Tone_2) + Byte_To_Hex(responseIndex)
        + Name_Field_Hex(cells.Name);
    region.replace(pos, 2 * Decode_Spare_Offset, hex); // the spare byte 13 stays
}

