// The editor started from another folder, with its own folder writable or not.
#include "app/app_paths.h"
#include "app/mainwindow.h"
#include "support/test_image.h"
#include "support/test_workdir.h"
#include <QAction>
#include <QDirIterator>
#include <QLabel>
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
        // The program folder writable; reported read-only; writable but its
        // working file reported read-only, with no data folder to be made
        // (XDG_DATA_HOME names a file): then a private folder under TMPDIR.
        const QByteArray tmpdir = qgetenv("TMPDIR");
        for (const int where : {0, 1, 2}) {
            Test_Workdir program(true, QString()); // as installed: no language chosen yet
            QTemporaryDir current, home, temp;
            QDir::setCurrent(current.path());
            QVERIFY(Write_Text_File(program.File(QStringLiteral("TempFile.Dat")), QStringLiteral("left by another user")));
            QVERIFY(Write_Text_File(home.filePath(QStringLiteral("file")), QString()));
            qputenv("XDG_DATA_HOME", (where == 2 ? home.filePath(QStringLiteral("file")) : home.path()).toUtf8());
            qputenv("TMPDIR", temp.path().toUtf8());
            const QStringList installed = Files_Below(program.Path());
            App_Paths::Set_Writable_Test([&](const QString& path) {
                return where == 0 || !path.startsWith(program.Path()) || (where == 2 && !path.endsWith(QLatin1String("TempFile.Dat")));
            });
            App_Paths::Set_Program_Folder(program.Path());
            const QString own = App_Paths::Writable_Folder();
            QVERIFY2(own.startsWith(QStringList{program.Path(), home.path(), temp.path() + QLatin1Char('/')}[where]), qPrintable(own));
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
                // Not kept after exit: the status bar says so, no box.
                const auto* note = window.findChild<QLabel*>(QStringLiteral("temporary_folder_note"));
                QCOMPARE(note && note->text().contains(QDir::toNativeSeparators(own)), where == 2);
                window.Language_Change(QStringLiteral("CHINESE"));
            }
            QCOMPARE(MainWindow().Current_Language(), QStringLiteral("CHINESE")); // the setting was kept
            QCOMPARE(Files_Below(current.path()), QStringList());
            QVERIFY(where == 0 || Files_Below(program.Path()) == installed);
            QVERIFY(where == 2 || Files_Below(temp.path()).isEmpty());
        }
        qputenv("TMPDIR", tmpdir); // empty: the system's own
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
