// The editor started from another folder, with its own folder writable or not.
#include "app/app_paths.h"
#include "app/mainwindow.h"
#include "support/test_image.h"
#include "support/test_workdir.h"
#include <QAction>
#include <QDirIterator>
#include <QStackedWidget>
#include <QtTest>

// Every file and folder below `folder`, with its time and size.
static QStringList Files_Below(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next() + it.fileInfo().lastModified().toString(Qt::ISODateWithMs) + QString::number(it.fileInfo().size());
    files.sort();
    return files;
}

class Tst_App_Paths : public QObject
{
    Q_OBJECT
private slots:
    void starts_from_anywhere()
    {
        for (const bool writable : {true, false}) {
            Test_Workdir program(true, QString()); // as installed: no language chosen yet
            QTemporaryDir current, home;
            QDir::setCurrent(current.path());
            qputenv("XDG_DATA_HOME", home.path().toUtf8());
            const QStringList installed = Files_Below(program.Path());
            App_Paths::Set_Writable_Test([&](const QString& folder) { return writable || !folder.startsWith(program.Path()); });
            App_Paths::Set_Program_Folder(program.Path());
            const QString own = writable ? program.Path() : QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
            QVERIFY(own.startsWith(writable ? program.Path() : home.path()));
            {
                MainWindow window;
                QCOMPARE(Test_Messages(), QStringList());
                QCOMPARE(window.Current_File(), program.File(QStringLiteral("Default/Default_EN.PF")));
                QVERIFY(window.findChild<QAction*>(QStringLiteral("action_English"))->isChecked());
                const auto* stack = window.findChild<QStackedWidget*>();
                for (int slot = 0; slot < stack->count(); ++slot)
                    QVERIFY(stack->widget(slot)->isEnabled());
                QCOMPARE(Read_Text_File(own + QStringLiteral("/TempFile.Dat")), Read_Text_File(window.Current_File()));
                QVERIFY(App_Paths::Data_Folder().startsWith(own));
                window.Language_Change(QStringLiteral("CHINESE"));
            }
            QCOMPARE(MainWindow().Current_Language(), QStringLiteral("CHINESE")); // the setting was kept
            QCOMPARE(Files_Below(current.path()), QStringList());
            QVERIFY(writable || Files_Below(program.Path()) == installed);
        }
        App_Paths::Set_Program_Folder(QString());
        App_Paths::Set_Writable_Test({});

        // Without its translation, English shows the forms' own Chinese: the menu says so.
        Test_Workdir dir(true, QStringLiteral("ENGLISH"));
        QFile::remove(dir.File(QStringLiteral("Config/English.qm")));
        MainWindow window;
        QCOMPARE(window.Current_Language(), QStringLiteral("CHINESE"));
        QVERIFY(window.findChild<QAction*>(QStringLiteral("action_Chinese"))->isChecked());
    }
};
QTEST_MAIN(Tst_App_Paths)
#include "tst_app_paths.moc"
