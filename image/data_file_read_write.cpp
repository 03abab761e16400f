#include "image/data_file_read_write.h"

#include "image/hex_text.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString Tr(const char* text)
{
    return QCoreApplication::translate("DATA_FILE_READ_WRITE", text);
}
} // namespace

DATA_FILE_READ_WRITE::DATA_FILE_READ_WRITE(const QString& workingFilePath)
    : m_workingFilePath(workingFilePath)
{
}

int DATA_FILE_READ_WRITE::First_Addr() const
{
    return m_lines.isEmpty() ? 0 : m_lines.first().Addr;
}

int DATA_FILE_READ_WRITE::End_Addr() const
{
    return m_lines.isEmpty() ? 0 : m_lines.last().Addr + m_lines.last().Count;
}

bool DATA_FILE_READ_WRITE::Holds(int addr, int len) const
{
    if (m_lines.isEmpty() || len < 0 || addr < First_Addr())
        return false;
    return qint64(addr) + len <= End_Addr();
}

int DATA_FILE_READ_WRITE::Line_Index_Of(int addr) const
{
    if (m_lines.isEmpty() || addr < First_Addr() || addr >= End_Addr())
        return -1;
    // The last line starting at or below addr; lines have no gaps, so it holds addr.
    auto it = std::upper_bound(m_lines.cbegin(), m_lines.cend(), addr,
                               [](int a, const Image_Line_Info& line) { return a < line.Addr; });
    return int(it - m_lines.cbegin()) - 1;
}

QString DATA_FILE_READ_WRITE::Read_String_From_Ram_File(int Addr, int Len) const
{
    if (Len == 0)
        return QString();
    if (Len < 0 || !Holds(Addr, Len)) {
        qDebug() << "Read_String_From_Ram_File" << "Data not find!";
        return QString();
    }
    QString result;
    result.reserve(2 * Len);
    int line = Line_Index_Of(Addr);
    int addr = Addr;
    int left = Len;
    while (left > 0) {
        const Image_Line_Info& info = m_lines[line];
        const int take = qMin(left, info.Addr + info.Count - addr);
        result += QStringView(m_text).mid(info.Data_Pos + 2 * (addr - info.Addr), 2 * take);
        left -= take;
        addr += take;
        ++line;
    }
    return result;
}

bool DATA_FILE_READ_WRITE::Write_String_To_Ram_File(int Addr, QString& Hex)
{
    const int len = int(Hex.size() / 2);
    if (Hex.size() % 2 != 0 || !Is_Hex_Text(Hex) || !Holds(Addr, len)
        || (len == 0 && Line_Index_Of(Addr) < 0)) {
        qDebug() << "Write_String_To_Ram_File" << "Data not find!";
        return false;
    }
    int line = Line_Index_Of(Addr);
    int addr = Addr;
    int from = 0;
    while (from < Hex.size()) {
        const Image_Line_Info& info = m_lines[line];
        const int take = qMin(int(Hex.size() - from) / 2, info.Addr + info.Count - addr);
        m_text.replace(info.Data_Pos + 2 * (addr - info.Addr), 2 * take, Hex.constData() + from, 2 * take);
        from += 2 * take;
        addr += take;
        ++line;
    }
    Hex.clear();
    return true;
}

bool DATA_FILE_READ_WRITE::Load_Image_Text(const QString& text)
{
    QVector<Image_Line_Info> lines;
    QString error;
    if (!Parse_Image_Text(text, &lines, &error)) {
        m_lastError = error;
        return false;
    }
    Load_Checked_Image_Text(text, std::move(lines));
    return true;
}

void DATA_FILE_READ_WRITE::Load_Checked_Image_Text(const QString& text, QVector<Image_Line_Info> lines)
{
    m_text = text;
    m_lines = std::move(lines);
    m_lastError.clear();
}

bool DATA_FILE_READ_WRITE::Read_Image_File(const QString& path, QString* text, QString* error,
                                           QVector<Image_Line_Info>* lines)
{
    const QString shown = QDir::toNativeSeparators(path);
    const auto notRegular = [&](bool folder) {
        *error = folder ? Tr(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "这是文件夹，不是数据文件：%1")).arg(shown)
                        : Tr(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "这不是普通文件（而是设备、管道或套接字），不能作为数据文件打开：%1"))
                              .arg(shown);
        return false;
    };
    // Only a regular file is opened: a FIFO would block the open, and a
    // device (or a link to one) reports size 0 and may never end.
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = Tr(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "文件不存在：%1")).arg(shown);
        return false;
    }
    if (!info.isFile())
        return notRegular(info.isDir());
    // The path may name something else by the time it is opened: the open
    // does not wait (for a writer of a FIFO swapped in), and what was opened
    // is judged again before anything is read.
    const QString cannotOpen = Tr(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "无法打开文件：%1")).arg(shown);
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (handle < 0) {
        *error = cannotOpen;
        return false;
    }
    struct stat opened = {};
    if (::fstat(handle, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(handle);
        return notRegular(S_ISDIR(opened.st_mode));
    }
    const QString tooLarge = Tr(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "文件过大（超过 16 MiB）"));
    if (opened.st_size > Image_Text_Max_Chars) {
        ::close(handle);
        *error = tooLarge;
        return false;
    }
    QFile file; // closes the handle from here on
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        *error = cannotOpen;
        return false;
    }
    // One byte over the limit is enough to refuse a file that grew since
    // its size was taken.
    const QByteArray bytes = file.read(qint64(Image_Text_Max_Chars) + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = Tr(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "读取文件失败：%1")).arg(shown);
        return false;
    }
    if (bytes.size() > Image_Text_Max_Chars) {
        *error = tooLarge;
        return false;
    }
    QString decoded = QString::fromUtf8(bytes);
    QVector<Image_Line_Info> found;
    if (!Parse_Image_Text(decoded, &found, error))
        return false;
    *text = std::move(decoded);
    if (lines)
        *lines = std::move(found);
    return true;
}

bool DATA_FILE_READ_WRITE::Save_Image_Text(const QString& path, const QString& text, QString* error)
{
    const QString shown = QDir::toNativeSeparators(path);
    // The save renames a new file over the target: only a regular file (or
    // none yet) may be replaced. A folder, device, FIFO or socket, or a link
    // to one, stays as it is; so does a link that leads round in a loop. The
    // target is only looked at, never opened, so nothing put there can block.
    struct stat target = {};
    if (::stat(QFile::encodeName(path).constData(), &target) != 0 && errno == ELOOP) {
        *error = Tr(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "这是循环的符号链接，不能保存为数据文件：%1")).arg(shown);
        return false;
    }
    const QFileInfo info(path);
    if (info.isDir()) {
        *error = Tr(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "这是文件夹，不能保存为数据文件：%1")).arg(shown);
        return false;
    }
    if (info.exists() && !info.isFile()) {
        *error = Tr(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "这不是普通文件（而是设备、管道或套接字），不能保存为数据文件：%1"))
                     .arg(shown);
        return false;
    }
    // A link to a regular file stays a link: the save file follows links
    // and replaces their target.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = Tr(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "无法写入文件：%1")).arg(shown);
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        *error = Tr(QT_TRANSLATE_NOOP("DATA_FILE_READ_WRITE", "无法写入文件：%1")).arg(shown);
        return false;
    }
    return true;
}

bool DATA_FILE_READ_WRITE::Read_All_File_Data_To_Ram()
{
    QString text;
    QString error;
    QVector<Image_Line_Info> lines;
    if (!Read_Image_File(m_workingFilePath, &text, &error, &lines)) {
        qDebug() << "Read_All_File_Data_To_Ram" << error;
        m_lastError = error;
        return false;
    }
    Load_Checked_Image_Text(text, std::move(lines));
    return true;
}

bool DATA_FILE_READ_WRITE::Write_All_Ram_Data_to_File(const QString& path)
{
    QString error;
    if (!Save_Image_Text(path, m_text, &error)) {
        qDebug() << "Write_All_Ram_Data_to_File" << error;
        m_lastError = error;
        return false;
    }
    return true;
}
