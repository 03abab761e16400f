// Either language: no caption or list item clipped at the default window size,
// no page squeezed at the smallest, Qt's texts in that language.
#include "app/clipped_captions.h"
#include "app/mainwindow.h"
#include "support/test_workdir.h"
#include <QDialogButtonBox>
#include <QMap>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QtTest>

namespace {

// The sizes of the pages and of each scrolled content in them, by slot and by
// scroll area.
using Sizes = QMap<QString, QSize>;

enum Measure { Sizes_Now, Floors };
enum Order { First_To_Last, Last_To_First };

// Shows each page in turn (built now if it was not) and gives the sizes now, or
// the floors: what each must keep at any window size, its size now or its size
// hint, whichever is smaller. Adds the captions each page clips to `clipped`.
Sizes Shown_Sizes(MainWindow& window, Measure measure, Order order = First_To_Last, QStringList* clipped = nullptr)
{
    Sizes sizes;
    for (int i = 0; i < MainWindow::Slot_Count; ++i) {
        const int slot = order == Last_To_First ? MainWindow::Slot_Count - 1 - i : i;
        QWidget* page = window.Page_At(MainWindow::Page_Slot(slot));
        window.findChild<QStackedWidget*>()->setCurrentWidget(page);
        QCoreApplication::processEvents(); // lays the page out
        QMap<QString, QWidget*> widgets{{QString::number(slot), page}};
        for (const QScrollArea* area : page->findChildren<QScrollArea*>())
            widgets.insert(QString::number(slot) + '/' + area->objectName(), area->widget());
        for (auto it = widgets.begin(); it != widgets.end(); ++it)
            sizes.insert(it.key(), measure == Floors ? it.value()->size().boundedTo(it.value()->sizeHint()) : it.value()->size());
        if (clipped)
            *clipped += Clipped_Captions(page);
    }
    return sizes;
}

QStringList Squeezed(const Sizes& sizes, const Sizes& floors, const QString& where)
{
    QStringList squeezed;
    for (auto it = floors.begin(); it != floors.end(); ++it) {
        const QSize size = sizes.value(it.key());
        if (size.expandedTo(it.value()) != size)
            squeezed << QStringLiteral("%1 %2: %3x%4 < %5x%6").arg(where, it.key()).arg(size.width()).arg(size.height())
                            .arg(it.value().width()).arg(it.value().height());
    }
    return squeezed;
}

} // namespace

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
            auto* room = window.findChild<QScrollArea*>(QStringLiteral("pageRoom"));
            for (const QString& language : QStringList{first, first == "CHINESE" ? "ENGLISH" : "CHINESE"}) {
                window.Language_Change(language);
                const QDialogButtonBox box(QDialogButtonBox::Ok); // its button's text is Qt's
                QCOMPARE(box.button(QDialogButtonBox::Ok)->text().remove('&'), language == "CHINESE" ? "确定" : "OK");
                QStringList clipped;
                const Sizes floors = Shown_Sizes(window, Floors, First_To_Last, &clipped);
                QVERIFY2(clipped.isEmpty(), qPrintable(language + ":\n" + clipped.join('\n')));

                // At its smallest the window holds every page's minimum without
                // scrolling, and scrolls rather than squeeze a page or its
                // scrolled content below its floor; so too in a window made at
                // the smallest before its pages are built, in another order.
                window.resize(1, 1);
                QCoreApplication::processEvents();
                for (int slot = 0; slot < MainWindow::Slot_Count; ++slot) {
                    const QSize needs = window.Page_At(MainWindow::Page_Slot(slot))->minimumSizeHint();
                    QVERIFY2(needs.boundedTo(room->viewport()->size()) == needs, qPrintable(language + QString::number(slot)));
                }
                QStringList squeezed = Squeezed(Shown_Sizes(window, Sizes_Now), floors, QStringLiteral("in turn"));
                {
                    MainWindow late; // in the language just chosen
                    late.show();
                    late.resize(1, 1);
                    QVERIFY(QTest::qWaitForWindowExposed(&late));
                    const Sizes lateSmallest = Shown_Sizes(late, Sizes_Now, Last_To_First);
                    late.resize(1280, 800);
                    squeezed += Squeezed(lateSmallest, Shown_Sizes(late, Floors), QStringLiteral("built late"));
                }
                QVERIFY2(squeezed.isEmpty(), qPrintable(language + ":\n" + squeezed.join('\n')));
                window.resize(1280, 800);
            }
        }
    }
};
QTEST_MAIN(Tst_Language_Look)
#include "tst_language_look.moc"
