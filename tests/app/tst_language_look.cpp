// Both languages at the default window size: no caption of any page is
// clipped, and Qt's own texts follow the language.

#include "app/clipped_captions.h"
#include "app/mainwindow.h"
#include "support/test_workdir.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

class Tst_Language_Look : public QObject
{
    Q_OBJECT

private slots:
    void no_caption_clipped_in_either_language()
    {
        for (const QString first : {"CHINESE", "ENGLISH"}) {
            Test_Workdir dir(true, first);
            MainWindow window; // at its default size
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QStringList clipped;
            for (const QString& language : QStringList{first, first == "CHINESE" ? "ENGLISH" : "CHINESE"}) {
                window.Language_Change(language);
                for (int slot = 0; slot < MainWindow::Slot_Count; ++slot) {
                    QWidget* page = window.Page_At(MainWindow::Page_Slot(slot));
                    window.findChild<QStackedWidget*>()->setCurrentWidget(page);
                    QCoreApplication::processEvents(); // lays the page out
                    for (const QString& caption : Clipped_Captions(page))
                        clipped << language + ' ' + page->metaObject()->className() + ' ' + caption;
                }
            }
            QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
        }
    }

    void qt_texts_follow_the_language()
    {
        Test_Workdir dir(true, "ENGLISH");
        MainWindow window;
        const auto ok = [] { return QDialogButtonBox(QDialogButtonBox::Ok).button(QDialogButtonBox::Ok)->text(); };
        QCOMPARE(ok().remove('&'), "OK");
        window.Language_Change("CHINESE");
        QVERIFY2(ok().startsWith("确定"), qPrintable(ok()));
        window.Language_Change("ENGLISH");
        QCOMPARE(ok().remove('&'), "OK");
    }
};

QTEST_MAIN(Tst_Language_Look)
#include "tst_language_look.moc"
