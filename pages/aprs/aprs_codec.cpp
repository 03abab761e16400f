#include "pages/aprs/aprs_codec.h"

#include "image/hex_text.h"

#include <QByteArray>

#include <cmath>
#include <limits>

namespace Aprs_Codec {

namespace {

constexpr qint64 Degree_Scale = 10000000; // degrees x 10^7 in a position word
constexpr qint64 Int32_Max = std::numeric_limits<qint32>::max();

QByteArray Bytes_Of(QStringView hex)
{
    QByteArray bytes;
    bytes.reserve(hex.size() / 2);
    for (int pos = 0; pos + 1 < hex.size(); pos += 2)
        bytes.append(char(Hex_Byte_Or_Zero(hex, pos)));
    return bytes;
}

QString Hex_Of(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex()).toUpper();
}

QString Repeat_Byte(const char* byteHex, int count)
{
    return QString::fromLatin1(byteHex).repeated(count);
}

// A typed number; anything that is no finite number reads as 0.
double Number_Or_Zero(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

// Truncated toward zero and held within the signed 32-bit range.
qint64 Truncate_To_Int32(double value)
{
    if (value >= double(Int32_Max))
        return Int32_Max;
    if (value <= -double(Int32_Max))
        return -Int32_Max;
    return qint64(value);
}

// Tenths as "whole.tenth".
QString Tenths_Text(qint64 tenths)
{
    return QString::number(tenths / 10) + QLatin1Char('.') + QString::number(tenths % 10);
}

} // namespace

QString Utf8_Hex_Within(const QString& text, int maxBytes)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.size() > maxBytes) {
        int cut = maxBytes;
        // A continuation byte at the cut means the character there would be split.
        while (cut > 0 && (quint8(bytes.at(cut)) & 0xC0) == 0x80)
            --cut;
        bytes.truncate(cut);
    }
    return Hex_Of(bytes);
}

// ---- callsigns --------------------------------------------------------------

QString Callsign_From_Hex(QStringView hex)
{
    QByteArray bytes = Bytes_Of(hex.left(2 * Callsign_Size));
    bytes.replace(char(0xFF), QByteArray());
    return QString::fromUtf8(bytes);
}

QString Callsign_To_Hex(const QString& text)
{
    const QString hex = Utf8_Hex_Within(text, Callsign_Size);
    return hex + Repeat_Byte("FF", Callsign_Size - hex.size() / 2);
}

// ---- position and altitude ---------------------------------------------------

Position Position_From_Word(quint32 word)
{
    const qint32 value = qint32(word);
    const qint64 magnitude = value < 0 ? -qint64(value) : qint64(value);
    const qint64 degrees = magnitude / Degree_Scale;
    const qint64 minutes = magnitude % Degree_Scale; // minutes x 10^5
    // Millionths of a degree are minutes x 10^5 / 6. The encoder truncates
    // its product and may land one below the exact word; taking (minutes + 1)
    // / 6 gives the text whose encoding returns this very word, so a decoded
    // position comes back unchanged.
    // Beyond 214.748364 degrees the encoder's product would not fit its
    // 32-bit word; such a word (no real position) shows that largest text.
    const qint64 micro = qMin(degrees * 1000000 + (minutes + 1) / 6, Int32_Max / 10);
    Position position;
    position.Text = QString::number(micro / 1000000) + QLatin1Char('.')
                    + QStringLiteral("%1").arg(micro % 1000000, 6, 10, QLatin1Char('0'));
    position.Hemisphere = value < 0 ? 1 : 0;
    return position;
}

quint32 Position_To_Word(const QString& text, int hemisphere)
{
    // Truncated, not rounded: 50.00140 gives 500013999, one below the text.
    const qint64 scaled = Truncate_To_Int32(Number_Or_Zero(text) * 10000000.0);
    const qint64 degrees = scaled / Degree_Scale;
    const qint64 fraction = scaled - degrees * Degree_Scale; // of a degree, x 10^7
    qint64 word = degrees * Degree_Scale + fraction * 60 / 100;
    if (hemisphere != 0)
        word = -word;
    return quint32(qint32(word));
}

QString Altitude_From_Word(quint32 word, bool feet)
{
    const qint64 millimetres = (word & 0x80000000u) ? 0 : qint64(word);
    if (feet)
        return Tenths_Text(qRound64(double(millimetres) * 3.2808399 / 100.0));
    // Rounded in whole numbers, so that 88350 shows 88.4 and not 88.3.
    return Tenths_Text((millimetres + 50) / 100);
}

quint32 Altitude_To_Word(const QString& text, bool feet)
{
    double millimetres = Number_Or_Zero(text) * 1000.0;
    if (feet)
        millimetres *= 0.3048;
    return quint32(qint32(Truncate_To_Int32(millimetres)));
}

Position Position_From_Field(QStringView hex)
{
    return Position_From_Word(Hex_Le_Or_Zero(hex, 0, 4));
}

QString Position_Field_Hex(quint32 word)
{
    return Le_To_Hex(word, 4) + Le_To_Hex(Position_Scale_Value, 4);
}

QString Altitude_From_Field(QStringView hex, bool feet)
{
    return Altitude_From_Word(Hex_Le_Or_Zero(hex, 0, 4), feet);
}

QString Altitude_Field_Hex(quint32 word)
{
    return Le_To_Hex(word, 4) + Le_To_Hex(Altitude_Scale_Value, 4);
}

// ---- digipeater path ------------------------------------------------------------

QString Path_From_Hex(QStringView hex)
{
    const int count = Hex_Byte_Or_Zero(hex, 0);
    if (count == 0 || count > Path_Max_Entries)
        return QString();
    QString text;
    for (int i = 0; i < count; ++i) {
        const int pos = 2 + 2 * Path_Entry_Size * i;
        QByteArray name = Bytes_Of(hex.mid(pos, 2 * Callsign_Size));
        name.replace(char(0xFF), QByteArray());
        name.replace(char(0x00), QByteArray());
        const int ssid = Hex_Byte_Or_Zero(hex, pos + 2 * Callsign_Size);
        text += QString::fromUtf8(name);
        if (ssid > 0)
            text += QLatin1Char('-') + QString::number(ssid);
        text += QLatin1Char(',');
    }
    return text;
}

Path_Hex Path_To_Hex(const QString& text)
{
    Path_Hex path;
    QString rest = text;
    while (!rest.isEmpty() && path.Count < Path_Max_Entries) {
        QString entry;
        const int comma = int(rest.indexOf(QLatin1Char(',')));
        if (comma >= 0) {
            entry = rest.left(comma);
            rest = rest.mid(comma + 1);
        } else {
            entry = rest;
            rest.clear();
        }
        if (entry.isEmpty())
            continue; // ",," or a leading ","
        QString name = entry;
        int ssid = 0;
        if (entry.contains(QLatin1Char('-'))) {
            if (entry.size() > 8)
                entry.truncate(9); // may cut the "-" off
        }
        const int dash = int(entry.indexOf(QLatin1Char('-')));
        if (dash >= 0) {
            name = entry.left(dash);
            bool ok = false;
            const int value = entry.mid(dash + 1).left(2).toInt(&ok, 10);
            ssid = ok && value >= 0 && value <= 99 ? value : 0;
        } else {
            name = entry;
        }
        const QString nameHex = Utf8_Hex_Within(name.left(Callsign_Size), Callsign_Size);
        if (nameHex.isEmpty() && ssid == 0)
            continue; // "-" alone: nothing to store, and read back it would be no entry
        path.Entries += nameHex + Repeat_Byte("00", Callsign_Size - nameHex.size() / 2) + Byte_To_Hex(ssid);
        ++path.Count;
    }
    return path;
}

QString Path_Field_Hex(const QString& text, QStringView stored)
{
    const Path_Hex path = Path_To_Hex(text);
    const QString hex = Byte_To_Hex(path.Count) + path.Entries;
    return hex + stored.mid(hex.size()).toString();
}

QString Stored_Position_Text(const QString& text)
{
    return Position_From_Word(Position_To_Word(text, 0)).Text;
}

QString Stored_Altitude_Text(const QString& text, bool feet)
{
    return Altitude_From_Word(Altitude_To_Word(text, feet), feet);
}

QString Stored_Path_Text(const QString& text)
{
    const Path_Hex path = Path_To_Hex(text);
    return Path_From_Hex(QString(Byte_To_Hex(path.Count) + path.Entries));
}

// ---- comment ------------------------------------------------------------------------

QString Comment_From_Hex(QStringView hex)
{
    QString digits = hex.left(2 * Comment_Size).toString().toUpper();
    // The text ends where the padding begins: 0x00 written by the encoder,
    // 0xFF in an erased block.
    while (digits.size() >= 2 && (digits.endsWith(QLatin1String("00")) || digits.endsWith(QLatin1String("FF"))))
        digits.chop(2);
    digits.remove(QStringLiteral("000000"));
    QString text = QString::fromUtf8(Bytes_Of(digits));
    while (text.endsWith(QChar(0)))
        text.chop(1);
    return text;
}

QString Comment_To_Hex(const QString& text)
{
    const QString hex = Utf8_Hex_Within(text, Comment_Size);
    return hex + Repeat_Byte("00", Comment_Size - hex.size() / 2);
}

// ---- transmit channels ------------------------------------------------------------------

QString Frequency_Text_From_Hz(quint32 hz)
{
    const QString digits = QStringLiteral("%1").arg(hz, 7, 10, QLatin1Char('0'));
    return digits.left(digits.size() - 6) + QLatin1Char('.') + digits.right(6);
}

QString Normalize_Freq_String(const QString& text)
{
    QString whole = text;
    QString fraction = QStringLiteral("0");
    const int dot = int(text.indexOf(QLatin1Char('.')));
    if (dot >= 0) {
        whole = text.left(dot);
        fraction = text.mid(dot + 1).leftJustified(6, QLatin1Char('0'), true);
    }
    bool ok = false;
    qint64 mhz = whole.toInt(&ok, 10);
    if (!ok)
        mhz = 0;
    qint64 micro = fraction.toInt(&ok, 10);
    if (!ok)
        micro = 0;
    qint64 hz = mhz * 1000000 + micro;

    if (hz < Band1_Low_Hz)
        hz = Band1_Low_Hz;
    else if (hz > Band1_High_Hz && hz < 300000000)
        hz = Band1_High_Hz;
    else if (hz >= 300000000 && hz < Band2_Low_Hz)
        hz = Band2_Low_Hz;
    else if (hz > Band2_High_Hz)
        hz = Band2_High_Hz;

    if (hz >= 108000000 && hz < 137000000) {
        // 8.33 kHz raster: five channels in every 50 kHz.
        const qint64 base = hz / 10000 * 10000;
        const qint64 remainder = hz - base;
        switch (hz / 10000 % 5) {
        case 0: hz = remainder < 4167 ? base : base + 8333; break;
        case 1: hz = base + 6666; break;
        case 2: hz = base + 5000; break;
        case 3: hz = base + 3333; break;
        default: hz = base + 1666; break;
        }
    } else if (hz % 2500 != 0 && hz % 3125 != 0) {
        const qint64 a = (hz + 1250) / 2500 * 2500;
        const qint64 b = (2 * hz + 3125) / 6250 * 3125; // half of 3125 rounds up
        hz = qAbs(b - hz) < qAbs(a - hz) ? b : a;
    }
    return Frequency_Text_From_Hz(quint32(hz));
}

Channel_Row Channel_From_Hex(QStringView hex)
{
    if (hex.left(8) == QLatin1String("FFFFFFFF"))
        return {};

    quint32 hz = Hex_Be_Or_Zero(hex, 0, 4);
    if (hz > 0x7FFFFFFFu)
        hz = 0;
    Channel_Row row;
    row.Freq = Frequency_Text_From_Hz(hz);
    row.Wn = Hex_Byte_Or_Zero(hex, 2 * 5);
    row.Power = Hex_Byte_Or_Zero(hex, 2 * 6);
    row.Tone_Type = Hex_Byte_Or_Zero(hex, 2 * 7);
    switch (row.Tone_Type) {
    case Tone_None: row.Tone_Value = 0; break;
    case Tone_Ctcss: row.Tone_Value = Hex_Byte_Or_Zero(hex, 2 * 8); break;
    case Tone_Dcs: row.Tone_Value = Hex_Byte_Or_Zero(hex, 2 * 9); break;
    default: row.Tone_Value = -1; break;
    }
    return row;
}

QString Channel_Hex(const Channel_Row& row, QStringView stored)
{
    if (row.Freq.isEmpty())
        return Repeat_Byte("FF", Channel_Record_Size);

    bool ok = false;
    qint32 hz = QString(row.Freq).remove(QLatin1Char('.')).toInt(&ok, 10);
    if (!ok)
        hz = 0;
    const int wn = qMax(0, row.Wn);
    const int power = row.Power < 0 ? Default_Tx_Power : row.Power;
    const int value = qMax(0, row.Tone_Value);
    QString tone;
    switch (row.Tone_Type) {
    case -1:
    case Tone_None: tone = QStringLiteral("000000"); break;
    case Tone_Ctcss: tone = Byte_To_Hex(Tone_Ctcss) + Byte_To_Hex(value) + Byte_To_Hex(0); break;
    case Tone_Dcs: tone = Byte_To_Hex(Tone_Dcs) + Byte_To_Hex(0) + Byte_To_Hex(value); break;
    default: {
        const QStringView bytes = stored.mid(2 * 8, 4);
        tone = Byte_To_Hex(row.Tone_Type) + (bytes.size() == 4 ? bytes.toString() : QStringLiteral("0000"));
        break;
    }
    }
    return Be_To_Hex(quint32(hz), 4) + QStringLiteral("FF") + Byte_To_Hex(wn) + Byte_To_Hex(power) + tone;
}

} // namespace Aprs_Codec
