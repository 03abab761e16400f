#include "app/app_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString& Folder()
{
    static QString folder;
    return folder;
}

std::function<bool(const QString&)>& Writable_Test()
{
    static std::function<bool(const QString&)> test;
    return test;
}

// The folder and the subfolders the editor writes into, where present.
bool Can_Write_Into(const QString& folder)
{
    for (const QString& sub : {QString(), QStringLiteral("/Config"), QStringLiteral("/Data Files")}) {
        const QString path = folder + sub;
        if (sub.isEmpty() || QFileInfo::exists(path)) {
            if (Writable_Test() ? !Writable_Test()(path) : !QFileInfo(path).isWritable())
                return false;
        }
    }
    return true;
}

bool Is_Chinese(const QString& language)
{
    return language == QLatin1String("CHINESE");
}

} // namespace

void App_Paths::Set_Program_Folder(const QString& folder)
{
    Folder() = folder.isEmpty() ? QString() : QDir(folder).absolutePath();
}

void App_Paths::Set_Writable_Test(std::function<bool(const QString& folder)> test)
{
    Writable_Test() = std::move(test);
}

QString App_Paths::Program_Folder()
{
    return Folder().isEmpty() ? QStringLiteral(".") : Folder();
}

QString App_Paths::Writable_Folder()
{
    const QString program = Program_Folder();
    if (Folder().isEmpty() || Can_Write_Into(program))
        return program;
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (own.isEmpty())
        return program; // no home to fall back on: writing fails and says so
    QDir().mkpath(own + QStringLiteral("/Config"));
    return own;
}

QString App_Paths::Translation_File(const QString& language)
{
    return Program_Folder() + (Is_Chinese(language) ? QStringLiteral("/Config/Chinese.qm") : QStringLiteral("/Config/English.qm"));
}

QString App_Paths::Default_File(const QString& language)
{
    return Program_Folder()
        + (Is_Chinese(language) ? QStringLiteral("/Default/Default_CN.PF") : QStringLiteral("/Default/Default_EN.PF"));
}

QString App_Paths::Config_File()
{
    return Writable_Folder() + QStringLiteral("/Config/SYS_CONFIG.ini");
}

QString App_Paths::Data_Folder()
{
    return Writable_Folder() + QStringLiteral("/Data Files/");
}

QString App_Paths::Working_File()
{
    return QDir(Writable_Folder()).absoluteFilePath(QStringLiteral("TempFile.Dat"));
}
