#include "image/image_line_format.h"

#include "image/hex_text.h"

#include <QCoreApplication>

namespace {

QString Line_Error(int lineNo, const QString& reason)
{
    return QCoreApplication::translate("DATA_FILE_READ_WRITE", "第 %1 行：%2").arg(lineNo).arg(reason);
}

// Reads `digits` hex digits at `pos` as a number; false on any other character.
bool Read_Hex_Number(const QString& text, int pos, int digits, qint64* value)
{
    qint64 v = 0;
    for (int i = 0; i < digits; ++i) {
        const int d = Hex_Digit_Value(text[pos + i]);
        if (d < 0)
            return false;
        v = v * 16 + d;
    }
    *value = v;
    return true;
}

} // namespace

bool Parse_Image_Text(const QString& text, QVector<Image_Line_Info>* lines, QString* error)
{
    lines->clear();
    if (text.size() > Image_Text_Max_Chars) {
        *error = QCoreApplication::translate("DATA_FILE_READ_WRITE", "文件过大（超过 16 MiB）");
        return false;
    }

    QVector<Image_Line_Info> result;
    result.reserve(text.size() / 100 + 1);
    const int n = int(text.size());
    int pos = 0;
    int lineNo = 0;
    qint64 nextAddr = -1;
    while (pos < n) {
        ++lineNo;
        // The line runs from pos to its "\n" (or the end of the text); a
        // "\r" before the "\n" belongs to the line end.
        int next = int(text.indexOf(QLatin1Char('\n'), pos));
        const bool lineBreak = next >= 0;
        if (!lineBreak)
            next = n;
        int end = next;
        if (end > pos && text[end - 1] == QLatin1Char('\r'))
            --end;
        const auto fail = [&](const char* reason) {
            *error = Line_Error(lineNo, QCoreApplication::translate("DATA_FILE_READ_WRITE", reason));
            return false;
        };

        if (end == pos)
            return fail(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "空行"));
        if (end - pos < 12)
            return fail(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "行太短，缺少地址或字节数"));
        qint64 addr = 0;
        qint64 count = 0;
        if (!Read_Hex_Number(text, pos, 8, &addr))
            return fail(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "地址不是8位十六进制数"));
        if (!Read_Hex_Number(text, pos + 8, 4, &count))
            return fail(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "字节数不是4位十六进制数"));
        if (count == 0)
            return fail(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "字节数为0"));
        if (addr + count > 0x7FFFFFFF)
            return fail(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "地址超出范围"));
        if (nextAddr >= 0 && addr != nextAddr) {
            *error = Line_Error(lineNo, QCoreApplication::translate("DATA_FILE_READ_WRITE", "地址不连续（应为 %1）")
                                            .arg(QString::number(nextAddr, 16).toUpper().rightJustified(8, QLatin1Char('0'))));
            return false;
        }
        const int dataPos = pos + 12;
        if (!Is_Hex_Text(QStringView(text).mid(dataPos, end - dataPos)))
            return fail(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "数据中有非十六进制字符"));
        if (end - dataPos < 2 * count)
            return fail(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "数据少于字节数"));
        if (end - dataPos > 2 * count)
            return fail(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "数据多于字节数"));
        if (!lineBreak)
            return fail(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "行尾缺少换行符"));
        result.append({int(addr), int(count), dataPos});
        nextAddr = addr + count;
        pos = next + 1;
    }
    *lines = std::move(result);
    return true;
}

QString Format_Image_Text(int startAddr, const QByteArray& bytes, int bytesPerLine)
{
    QString text;
    text.reserve(bytes.size() * 2 + (bytes.size() / qMax(1, bytesPerLine) + 1) * 13);
    for (int off = 0; off < bytes.size(); off += bytesPerLine) {
        const int count = qMin(bytesPerLine, int(bytes.size()) - off);
        text += Be_To_Hex(quint32(startAddr + off), 4);
        text += Be_To_Hex(quint32(count), 2);
        for (int i = 0; i < count; ++i)
            text += Byte_To_Hex(quint8(bytes[off + i]));
        text += QLatin1Char('\n');
    }
    return text;
}
