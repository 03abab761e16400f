#pragma once

#include <QString>
#include <QVector>

// The line format shared by the image, every data file and the working file:
// 8 hex digits of start address, 4 hex digits of byte count, two hex digits
// per data byte, then "\n" ("\r\n" is accepted). Lines ascend without gaps.
struct Image_Line_Info
{
    int Addr = 0;     // address of the line's first byte
    int Count = 0;    // bytes on the line
    int Data_Pos = 0; // position of the first data digit in the text
};

// The largest image text the program accepts, in characters and in bytes of
// a data file (a real image is ~230 KB).
constexpr int Image_Text_Max_Chars = 16 * 1024 * 1024;

// Checks `text` against the line format and indexes its lines. On failure
// returns false, leaves *lines empty and puts into *error a message naming
// the line (1-based) and the reason. An empty text is a valid, empty image.
bool Parse_Image_Text(const QString& text, QVector<Image_Line_Info>* lines, QString* error);

// Builds image text: `bytes` from `startAddr` on, `bytesPerLine` to a line,
// upper-case digits, "\n" line ends.
QString Format_Image_Text(int startAddr, const QByteArray& bytes, int bytesPerLine);
