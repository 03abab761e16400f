#pragma once

#include "image/image_line_format.h"

#include <QString>
#include <QVector>

// The one image of the radio's memory, held as text in the data-file line
// format and bound to the working file. Pages read and write their regions by
// address; the shell loads the working file into it and saves it to files.
class DATA_FILE_READ_WRITE
{
public:
    explicit DATA_FILE_READ_WRITE(const QString& workingFilePath);

    // The `Len` bytes from `Addr` on, two digits per byte in the case the
    // image holds them, or an empty text (and a debug line) when the image
    // does not hold all of them. `Len` 0 gives an empty text at once.
    QString Read_String_From_Ram_File(int Addr, int Len) const;

    // Puts the digit pairs of `Hex` in place from `Addr` on, across lines as
    // needed, consuming `Hex` (empty on return). A write that does not fit
    // wholly inside the image, has an odd length or a character that is not a
    // hex digit changes nothing, leaves `Hex` as it was and returns false.
    bool Write_String_To_Ram_File(int Addr, QString& Hex);

    // Loads the working file. A file that breaks the line format is refused:
    // false, Last_Error() says why, and the image stays as it was.
    bool Read_All_File_Data_To_Ram();

    // Saves the image atomically; false (and Last_Error()) when it failed, in
    // which case the old file is left whole.
    bool Write_All_Ram_Data_to_File(const QString& path);

    // Replaces the image with `text` after checking it; false and nothing
    // changed when it breaks the line format.
    bool Load_Image_Text(const QString& text);

    // Reads and checks a data file without touching any image; `lines`, when
    // given, receives the lines the check found.
    static bool Read_Image_File(const QString& path, QString* text, QString* error,
                                QVector<Image_Line_Info>* lines = nullptr);
    // Replaces the image with a text and its lines as Read_Image_File gave
    // them, without checking the text again.
    void Load_Checked_Image_Text(const QString& text, QVector<Image_Line_Info> lines);
    // Writes `text` to `path` atomically.
    static bool Save_Image_Text(const QString& path, const QString& text, QString* error);

    const QString& Working_File_Path() const { return m_workingFilePath; }
    const QString& Image_Text() const { return m_text; }
    QString Last_Error() const { return m_lastError; }
    bool Is_Empty() const { return m_lines.isEmpty(); }
    // First address and one past the last address the image holds (0, 0 when empty).
    int First_Addr() const;
    int End_Addr() const;
    bool Holds(int addr, int len) const;

private:
    // Index of the line that holds `addr`, or -1.
    int Line_Index_Of(int addr) const;

    QString m_workingFilePath;
    QString m_text;
    QVector<Image_Line_Info> m_lines;
    QString m_lastError;
};
