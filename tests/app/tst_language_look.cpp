// Either language: no caption or list item clipped at the default window size,
// no page squeezed at the smallest, Qt's texts in that language.
#include "app/clipped_captions.h"
#include "app/mainwindow.h"
#include "support/test_workdir.h"
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QtTest>

class Tst_Language_Look : public QObject
{
    Q_OBJECT
private slots:
    void both_languages_look_as_designed()
    {
        for (const QString first : {"CHINESE", "ENGLISH"}) {
            Test_Workdir dir(true, first);
            MainWindow window; // at its default size
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            // The smallest size does not wait for the pages to be built.
            QVERIFY(window.minimumSizeHint().width() >= 835 && window.minimumSizeHint().height() >= 419);
            auto* stack = window.findChild<QStackedWidget*>();
            auto* room = window.findChild<QScrollArea*>(QStringLiteral("pageRoom"));
            for (const QString& language : QStringList{first, first == "CHINESE" ? "ENGLISH" : "CHINESE"}) {
                window.Language_Change(language);
                const QDialogButtonBox box(QDialogButtonBox::Ok); // its button's text is Qt's
                QCOMPARE(box.button(QDialogButtonBox::Ok)->text().remove('&'), language == "CHINESE" ? "确定" : "OK");
                QStringList clipped;
                for (int slot = 0; slot < MainWindow::Slot_Count; ++slot) {
                    QWidget* page = window.Page_At(MainWindow::Page_Slot(slot));
                    stack->setCurrentWidget(page);
                    QCoreApplication::processEvents(); // lays the page out
                    clipped += Clipped_Captions(page);
                }
                QVERIFY2(clipped.isEmpty(), qPrintable(language + ":\n" + clipped.join('\n')));

                // At its smallest the window holds every page without scrolling.
                window.resize(1, 1);
                QCoreApplication::processEvents();
                for (int slot = 0; slot < MainWindow::Slot_Count; ++slot) {
                    const QSize needs = window.Page_At(MainWindow::Page_Slot(slot))->minimumSizeHint();
                    QVERIFY2(needs.boundedTo(room->viewport()->size()) == needs, qPrintable(language + QString::number(slot)));
                }
                window.resize(1280, 800);
            }
        }
    }
};
QTEST_MAIN(Tst_Language_Look)
#include "tst_language_look.moc"
