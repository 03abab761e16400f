// Makes the default data files: a blank image that every page's encoder
// fills from a freshly constructed page, settled so that decoding and
// encoding it again gives it back byte for byte.
//
// Usage: make-default-images <folder with English.qm/Chinese.qm> <output folder>

#include "app/mainwindow.h"
#include "image/blank_image.h"
#include "image/data_file_read_write.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

QString Read_All(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

bool Make_Default(const QString& language, const QString& qmFolder, const QString& outPath)
{
    QTemporaryDir work;
    if (!work.isValid())
        return false;
    const QString oldDir = QDir::currentPath();
    QDir::setCurrent(work.path());
    QDir().mkpath(QStringLiteral("Config"));
    for (const char* qm : {"English.qm", "Chinese.qm"})
        QFile::copy(qmFolder + QLatin1Char('/') + QLatin1String(qm), QStringLiteral("Config/") + QLatin1String(qm));
    {
        QSettings config(QStringLiteral("./Config/SYS_CONFIG.ini"), QSettings::IniFormat);
        config.setValue(QStringLiteral("/SYSTEM_SETTING/LANGUAGE"), language);
    }

    bool ok = false;
    {
        MainWindow window(nullptr, MainWindow::Start_Up::Fresh_Pages);
        if (window.Image()->Load_Image_Text(Blank_Image_Text())) {
            const QString file = work.filePath(QStringLiteral("default.PF"));
            window.Get_Windows_Data_To_SP_Write(file);
            QString previous = Read_All(file);
            for (int cycle = 0; cycle < 5 && !ok; ++cycle) {
                window.Set_Windows_Data_From_SP_Read(file);
                window.Get_Windows_Data_To_SP_Write(file);
                const QString now = Read_All(file);
                ok = now == previous;
                previous = now;
            }
            QString error;
            ok = ok && DATA_FILE_READ_WRITE::Save_Image_Text(outPath, previous, &error);
        }
    }
    QDir::setCurrent(oldDir);
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-default-images <qm folder> <output folder>\n");
        return 2;
    }
    const QString qmFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(out.absolutePath());

    QString lastMessage;
    MainWindow::Set_Message_Sink([&lastMessage](const QString&, const QString& text) { lastMessage = text; });

    if (!Make_Default(QStringLiteral("CHINESE"), qmFolder, out.absoluteFilePath(QStringLiteral("Default_CN.PF")))
        || !Make_Default(QStringLiteral("ENGLISH"), qmFolder, out.absoluteFilePath(QStringLiteral("Default_EN.PF")))) {
        std::fprintf(stderr, "make-default-images: the image did not settle or could not be written\n");
        return 1;
    }
    return 0;
}
