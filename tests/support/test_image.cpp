#include "support/test_image.h"

#include "image/hex_text.h"

#include <QFile>
#include <QRandomGenerator>

QString Read_Text_File(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool Write_Text_File(const QString& path, const QString& text)
{
    QFile file(path);
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString Make_Image_Text(int start, const QByteArray& bytes, const Image_Text_Options& options)
{
    QString text;
    for (int off = 0; off < bytes.size(); off += options.Bytes_Per_Line) {
        const int count = qMin(options.Bytes_Per_Line, int(bytes.size()) - off);
        QString line = Be_To_Hex(quint32(start + off), 4) + Be_To_Hex(quint32(count), 2);
        for (int i = 0; i < count; ++i)
            line += Byte_To_Hex(quint8(bytes[off + i]));
        if (options.Lower_Case)
            line = line.toLower();
        text += line + (options.Crlf ? QStringLiteral("\r\n") : QStringLiteral("\n"));
    }
    return text;
}

std::unique_ptr<DATA_FILE_READ_WRITE> Make_Image(int start, const QByteArray& bytes,
                                                 const Image_Text_Options& options, const QString& workingFile)
{
    auto image = std::make_unique<DATA_FILE_READ_WRITE>(
        workingFile.isEmpty() ? QStringLiteral("/nonexistent/TempFile.Dat") : workingFile);
    if (!image->Load_Image_Text(Make_Image_Text(start, bytes, options)))
        qFatal("Make_Image: %s", qPrintable(image->Last_Error()));
    return image;
}

QByteArray Image_Bytes(const DATA_FILE_READ_WRITE& image)
{
    const QString hex = image.Read_String_From_Ram_File(image.First_Addr(), image.End_Addr() - image.First_Addr());
    return From_Hex(hex);
}

QByteArray Seeded_Bytes(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, 0);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(generator.bounded(256));
    return bytes;
}

QString To_Hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex()).toUpper();
}

QByteArray From_Hex(const QString& hex)
{
    QString compact = hex;
    compact.remove(QLatin1Char(' '));
    QByteArray bytes;
    bytes.reserve(compact.size() / 2);
    for (int pos = 0; pos + 1 < compact.size(); pos += 2)
        bytes.append(char(Hex_Byte_Or_Zero(compact, pos)));
    return bytes;
}
