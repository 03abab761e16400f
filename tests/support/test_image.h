#pragma once

#include "image/data_file_read_write.h"

#include <QByteArray>
#include <QString>
#include <memory>

// Builds image texts and images for tests.
struct Image_Text_Options
{
    int Bytes_Per_Line = 16;
    bool Lower_Case = false;
    bool Crlf = false;
};

// `bytes` from `start` on in the data-file line format.
QString Make_Image_Text(int start, const QByteArray& bytes, const Image_Text_Options& options = {});

// An image (bound to `workingFile`, default: a path nobody writes) holding
// `bytes` from `start` on. Fails the calling test when the text is refused.
std::unique_ptr<DATA_FILE_READ_WRITE> Make_Image(int start, const QByteArray& bytes,
                                                 const Image_Text_Options& options = {},
                                                 const QString& workingFile = QString());

// The whole image as bytes (unreadable digits as 0), from its first address.
QByteArray Image_Bytes(const DATA_FILE_READ_WRITE& image);

// `size` bytes from a fixed seed, the same on every run.
QByteArray Seeded_Bytes(int size, quint32 seed);

// A file's whole text (UTF-8), empty when it cannot be read.
QString Read_Text_File(const QString& path);
// Writes `text` (UTF-8) to `path`; false when it could not.
bool Write_Text_File(const QString& path, const QString& text);

// Hex text of `bytes`, upper case.
QString To_Hex(const QByteArray& bytes);
// Bytes of a hex text (spaces ignored), for writing expectations readably.
QByteArray From_Hex(const QString& hex);
