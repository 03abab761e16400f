// The editor started from another folder, with its own folder writable or not.
#include "app/app_paths.h"
#include "app/mainwindow.h"
#include "support/test_image.h"
#include "support/test_workdir.h"

#include <QAction>
#include <QDirIterator>
#include <QSettings>
#include <QStackedWidget>
#include <QtTest>

namespace {

// Every file and folder below `folder`, with its size and time.
QStringList Files_Below(const QString& folder)
{
    QStringList files;
    for (QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QFileInfo info(it.next());
        files << QStringLiteral("%1 %2 %3").arg(info.filePath()).arg(info.size()).arg(info.lastModified().toString(Qt::ISODateWithMs));
    }
    files.sort();
    return files;
}

} // namespace

class Tst_App_Paths : public QObject
{
    Q_OBJECT
private slots:
    void starts_from_anywhere_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("own folder") << true;
        QTest::newRow("read-only folder") << false;
    }

    void starts_from_anywhere()
    {
        QFETCH(bool, writable);
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
            QCOMPARE(window.windowTitle(), QStringLiteral("KESTREL Programming Software"));
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
        if (!writable)
            QCOMPARE(Files_Below(program.Path()), installed);
        App_Paths::Set_Program_Folder(QString());
        App_Paths::Set_Writable_Test({});
    }

    void menu_ticks_the_language_shown()
    {
        Test_Workdir dir(true, QStringLiteral("ENGLISH"));
        QFile::remove(dir.File(QStringLiteral("Config/English.qm")));
        MainWindow window; // untranslated: the forms' own Chinese
        QCOMPARE(window.Current_Language(), QStringLiteral("CHINESE"));
        QVERIFY(window.findChild<QAction*>(QStringLiteral("action_Chinese"))->isChecked());
        QCOMPARE(window.windowTitle(), QStringLiteral("KESTREL 写频软件"));
    }
};
QTEST_MAIN(Tst_App_Paths)
#include "tst_app_paths.moc"
