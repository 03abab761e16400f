#include "pages/fm/fm_codec.h"

#include "image/hex_text.h"
#include "image/image_regions.h"
#include "widgets/field_rule.h"

#include <QByteArray>

namespace Fm_Codec {

namespace {

const char Lowest_Text[] = "64.0";
const char Highest_Text[] = "108.0";
constexpr int Hz_Per_Step = 100000; // one tenth of a MHz
constexpr int Lowest_Step = 640;
constexpr int Highest_Step = 1080;

bool Is_Ascii_Digit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// A decimal number as written: its digits and where its point falls among
// them (value = 0.Digits x 10^Point once leading zeros are gone).
struct Decimal
{
    bool Negative = false;
    QString Digits;
    int Point = 0;
};

// Reads [blanks][sign]digits[.digits][e[sign]digits][blanks]; at least one
// mantissa digit. Nothing else is a number here, so "nan" and "inf" are not.
bool Parse_Decimal(const QString& text, Decimal* out)
{
    const QString t = text.trimmed();
    const int n = t.size();
    int i = 0;
    Decimal d;
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
        d.Negative = t[i] == QLatin1Char('-');
        ++i;
    }
    int integerDigits = 0;
    while (i < n && Is_Ascii_Digit(t[i])) {
        d.Digits += t[i++];
        ++integerDigits;
    }
    if (i < n && t[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && Is_Ascii_Digit(t[i]))
            d.Digits += t[i++];
    }
    if (d.Digits.isEmpty())
        return false;
    int exponent = 0;
    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
            negativeExponent = t[i] == QLatin1Char('-');
            ++i;
        }
        if (i >= n || !Is_Ascii_Digit(t[i]))
            return false;
        while (i < n && Is_Ascii_Digit(t[i])) {
            if (exponent < 100000) // far beyond any digit count that matters
                exponent = exponent * 10 + (t[i].unicode() - '0');
            ++i;
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != n)
        return false;
    d.Point = integerDigits + exponent;
    // Leading zeros carry no value; drop them so Point counts integer digits.
    int zeros = 0;
    while (zeros < d.Digits.size() && d.Digits[zeros] == QLatin1Char('0'))
        ++zeros;
    d.Digits.remove(0, zeros);
    d.Point -= zeros;
    *out = d;
    return true;
}

int Digit_At(const QString& digits, int index)
{
    return index >= 0 && index < digits.size() ? digits[index].unicode() - '0' : 0;
}

} // namespace

QString Default_Frequency_Text()
{
    return QStringLiteral("90.4");
}

int Channel_Record_Addr(int channel)
{
    return Image_Region::Fm_Channel_Table_Addr + Record::Size * channel;
}

QString Default_Name(int channel)
{
    return QStringLiteral("FM-%1").arg(channel, 2, 10, QLatin1Char('0'));
}

QString Frequency_Rule(const QString& text)
{
    Decimal d;
    if (!Parse_Decimal(text, &d) || d.Digits.isEmpty() || d.Negative || d.Point < 2)
        return QLatin1String(Lowest_Text); // not a number, zero, negative or below 10
    if (d.Point > 3)
        return QLatin1String(Highest_Text); // 1000 or more
    int whole = 0;
    for (int i = 0; i < d.Point; ++i)
        whole = whole * 10 + Digit_At(d.Digits, i);
    if (whole < 64)
        return QLatin1String(Lowest_Text);
    if (whole >= 108)
        return QLatin1String(Highest_Text);
    // Round to a tenth on the decimal digits: a hundredths digit of 5 or more
    // means at least half a tenth, which goes up.
    int tenths = whole * 10 + Digit_At(d.Digits, d.Point);
    if (Digit_At(d.Digits, d.Point + 1) >= 5)
        ++tenths;
    return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}

QString Hz_To_Text(qint64 hz)
{
    if (hz < 0)
        return QString();
    const qint64 steps = hz / Hz_Per_Step;
    if (steps < Lowest_Step || steps > Highest_Step)
        return QString();
    QString text = QString::number(steps);
    text.insert(text.size() - 1, QLatin1Char('.'));
    return text;
}

QString Frequency_Text_From_Hex(QStringView hex)
{
    qint64 hz = 0;
    if (hex.size() == 8 && Is_Hex_Text(hex)) {
        const quint32 value = Hex_Be_Or_Zero(hex, 0, 4);
        if (value <= 0x7FFFFFFFu) // a signed 32-bit reading: the rest does not fit
            hz = value;
    }
    return Hz_To_Text(hz);
}

quint32 Text_To_Hz(const QString& text)
{
    QString digits = text;
    digits.remove(QLatin1Char('.'));
    if (digits.isEmpty() || digits.size() > 10)
        return 0;
    qint64 value = 0;
    for (QChar c : digits) {
        if (!Is_Ascii_Digit(c))
            return 0;
        value = value * 10 + (c.unicode() - '0');
    }
    value *= Hz_Per_Step;
    return value > 0xFFFFFFFFLL ? 0 : quint32(value);
}

QString Frequency_Hex(const QString& text)
{
    return Be_To_Hex(Text_To_Hz(text), Record::Frequency.Size);
}

QString Name_From_Hex(QStringView hex)
{
    QString digits = hex.toString();
    digits.remove(QStringLiteral("000000"));
    QByteArray bytes;
    for (int pos = 0; pos + 1 < digits.size(); pos += 2) {
        int value = 0;
        if (!Parse_Hex_Byte(digits, pos, &value) || value == 0x00 || value == 0xFF)
            break; // padding or erased memory ends the name
        bytes.append(char(value));
    }
    QString name = QString::fromUtf8(bytes);
    while (name.endsWith(QChar(0)))
        name.chop(1);
    return Field_Rule().Fit(name, Name_Max_Chars); // never half a character
}

QString Name_To_Hex(const QString& name)
{
    QString kept = name;
    QByteArray bytes = kept.toUtf8();
    while (bytes.size() > Record::Name.Size) {
        // Drop whole characters (a surrogate pair is one) until it fits.
        kept.chop(kept.size() >= 2 && kept.back().isLowSurrogate() ? 2 : 1);
        bytes = kept.toUtf8();
    }
    QString hex = QString::fromLatin1(bytes.toHex()).toUpper();
    hex += QString(Record::Name.Chars() - hex.size(), QLatin1Char('0'));
    return hex;
}

Channel Decode_Record(QStringView record)
{
    Channel channel;
    if (record.size() < 2 * Record::Size)
        return channel;
    channel.Frequency = Frequency_Text_From_Hex(record.mid(Record::Frequency.Pos(), Record::Frequency.Chars()));
    if (channel.Frequency.isEmpty())
        return channel;
    channel.Name = Name_From_Hex(record.mid(Record::Name.Pos(), Record::Name.Chars()));
    return channel;
}

QString Unused_Record()
{
    return QString(2 * Record::Size, QLatin1Char('F'));
}

QString Encode_Record(const QString& frequency, const QString& name)
{
    QString record = Unused_Record();
    record.replace(Record::Frequency.Pos(), Record::Frequency.Chars(), Frequency_Hex(frequency));
    record.replace(Record::Name.Pos(), Record::Name.Chars(), Name_To_Hex(name));
    return record; // the reserved bytes stay 0xFF
}

bool Channel_In_Use(QStringView flags, int channel)
{
    int value = 0;
    if (!Parse_Hex_Byte(flags, 2 * (channel / 8), &value))
        return false;
    return (value >> (channel % 8)) & 1;
}

void Set_Channel_In_Use(QString& flags, int channel, bool inUse)
{
    const int pos = 2 * (channel / 8);
    if (pos + 2 > flags.size())
        return;
    int value = Hex_Byte_Or_Zero(flags, pos);
    const int bit = 1 << (channel % 8);
    value = inUse ? (value | bit) : (value & ~bit);
    flags.replace(pos, 2, Byte_To_Hex(value));
}

void Frequency_Finished(QString& frequency, QString& name, const QString& defaultName)
{
    if (frequency.isEmpty()) {
        name.clear();
        return;
    }
    frequency = Frequency_Rule(frequency);
    if (name.isEmpty())
        name = defaultName;
}

void Name_Finished(QString& frequency, QString& name)
{
    if (!name.isEmpty() && frequency.isEmpty()) {
        frequency = Default_Frequency_Text();
    } else if (name.isEmpty() && !frequency.isEmpty()) {
        frequency.clear();
        name.clear();
    }
}

} // namespace Fm_Codec
