#include "app/app_paths.h"
#include "app/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kestrel-cps")); // names the user's own folder
    // The editor's files are next to the program, whatever the current folder.
    const QString folder = QCoreApplication::applicationDirPath();
    QCoreApplication::addLibraryPath(folder + QStringLiteral("/plugins"));
    App_Paths::Set_Program_Folder(folder);
    MainWindow window;
    window.show();
    return app.exec();
}
