#include "app/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

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

// What the editor writes into its folder: each one that exists must be of
// its kind and writable (a working file or language setting of another user
// would fail every load or lose the language).
bool Can_Write_Into(const QString& folder)
{
    static const struct
    {
        const char* Name;
        bool Folder;
    } written[] = {{"", true}, {"/Config", true}, {"/Data Files", true}, {"/TempFile.Dat", false}, {"/Config/SYS_CONFIG.ini", false}};
    for (const auto& item : written) {
        const QString path = folder + QLatin1String(item.Name);
        const QFileInfo info(path);
        if (!info.exists() && *item.Name)
            continue;
        if ((item.Folder ? !info.isDir() : !info.isFile())
            || (Writable_Test() ? !Writable_Test()(path) : !info.isWritable()))
            return false;
    }
    return true;
}

QString& Temporary_Folder()
{
    static QString folder;
    return folder;
}

bool Is_Private_Folder(const QString& path)
{
    const QFileInfo info(path);
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
        | QFile::WriteOther | QFile::ExeOther;
    return info.isDir() && !info.isSymLink() && info.ownerId() == ::geteuid() && !(info.permissions() & others);
}

// At exit: what the editor wrote into its temporary folder goes, and so do
// the folders left empty (a file saved there by the user stays).
void Remove_Temporary_Files()
{
    const QString folder = Temporary_Folder();
    QFile::remove(folder + QStringLiteral("/TempFile.Dat"));
    QFile::remove(folder + QStringLiteral("/Config/SYS_CONFIG.ini"));
    for (const char* sub : {"/Config", "/Data Files", ""})
        QDir().rmdir(folder + QLatin1String(sub));
}

// A folder of the editor's own under the system's temporary folder, made
// anew (so never one another user made or a link planted under its name)
// with no access for anyone else; the same one for the rest of the run.
QString Own_Temporary_Folder()
{
    QString& folder = Temporary_Folder();
    const QString temp = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    if (!folder.isEmpty() && folder.startsWith(temp + QLatin1Char('/')) && Is_Private_Folder(folder))
        return folder;
    QTemporaryDir made(temp + QLatin1Char('/') + QCoreApplication::applicationName() + QStringLiteral("-XXXXXX"));
    if (!made.isValid() || !Is_Private_Folder(made.path()) || !QDir().mkpath(made.path() + QStringLiteral("/Config")))
        return QString();
    made.setAutoRemove(false);
    if (folder.isEmpty())
        qAddPostRoutine(Remove_Temporary_Files);
    folder = made.path();
    return folder;
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
    if (!own.isEmpty() && QDir().mkpath(own + QStringLiteral("/Config")) && Can_Write_Into(own))
        return own;
    const QString temporary = Own_Temporary_Folder();
    return temporary.isEmpty() ? program : temporary; // nowhere at all: writing fails and says so
}

bool App_Paths::In_Temporary_Folder()
{
    return !Temporary_Folder().isEmpty() && Writable_Folder() == Temporary_Folder();
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
