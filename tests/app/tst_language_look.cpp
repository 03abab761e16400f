// Both languages at the default window size: every caption of every page
// fits its room, and Qt's own texts follow the language.

#include "app/mainwindow.h"
#include "support/test_workdir.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QtTest>

namespace {

// "page/widget "text" (needs > has)" for every shown label, check box and
// table header section of `page` whose text needs more width than it has.
QStringList Clipped_Captions(QWidget* page)
{
    QStringList clipped;
    const auto check = [&](const QWidget* w, const QString& text, int needs, int has) {
        if (!text.isEmpty() && needs > has)
            clipped << QStringLiteral("%1/%2 \"%3\" (%4 > %5)")
                           .arg(page->metaObject()->className(), w->objectName(), text)
                           .arg(needs)
                           .arg(has);
    };
    for (QLabel* label : page->findChildren<QLabel*>())
        if (label->isVisibleTo(page))
            check(label, label->text(), label->minimumSizeHint().width(), label->width());
    for (QCheckBox* box : page->findChildren<QCheckBox*>())
        if (box->isVisibleTo(page))
            check(box, box->text(), box->sizeHint().width(), box->width());
    for (QTableView* table : page->findChildren<QTableView*>()) {
        for (QHeaderView* header : {table->horizontalHeader(), table->verticalHeader()}) {
            if (!header->isVisibleTo(page))
                continue;
            for (int i = 0; i < header->count(); ++i) {
                // What the header asks of its style for the section's text.
                QStyleOptionHeader option;
                option.initFrom(header);
                option.orientation = header->orientation();
                option.section = i;
                option.text = header->model()->headerData(i, header->orientation()).toString();
                const QSize needs = header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header);
                const bool across = header->orientation() == Qt::Horizontal;
                if (!header->isSectionHidden(i))
                    check(header, option.text, needs.width(), across ? header->sectionSize(i) : header->width());
            }
        }
    }
    return clipped;
}

QStringList Clipped_On_Every_Page(MainWindow& window)
{
    auto* stack = window.findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
    QStringList clipped;
    for (int slot = 0; slot < MainWindow::Slot_Count; ++slot) {
        QWidget* page = window.Page_At(MainWindow::Page_Slot(slot));
        stack->setCurrentWidget(page);
        QCoreApplication::processEvents(); // lays the page out
        clipped += Clipped_Captions(page);
    }
    return clipped;
}

QString Ok_Button_Text()
{
    QDialogButtonBox box(QDialogButtonBox::Ok);
    return box.button(QDialogButtonBox::Ok)->text();
}

} // namespace

class Tst_Language_Look : public QObject
{
    Q_OBJECT

private slots:
    void no_caption_clipped_in_either_language();
    void qt_texts_follow_the_language();
};

void Tst_Language_Look::no_caption_clipped_in_either_language()
{
    for (const QString& first : {QStringLiteral("CHINESE"), QStringLiteral("ENGLISH")}) {
        Test_Workdir dir(true, first);
        MainWindow window; // at its default size
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString then = first == QLatin1String("CHINESE") ? QStringLiteral("ENGLISH") : QStringLiteral("CHINESE");
        QStringList clipped = Clipped_On_Every_Page(window);
        window.Language_Change(then);
        clipped += Clipped_On_Every_Page(window);
        QVERIFY2(clipped.isEmpty(), qPrintable(first + QStringLiteral(" first, clipped:\n") + clipped.join(QLatin1Char('\n'))));
    }
}

void Tst_Language_Look::qt_texts_follow_the_language()
{
    Test_Workdir dir(true, QStringLiteral("ENGLISH"));
    MainWindow window;
    QCOMPARE(Ok_Button_Text().remove(QLatin1Char('&')), QStringLiteral("OK"));
    window.Language_Change(QStringLiteral("CHINESE"));
    QVERIFY2(Ok_Button_Text().startsWith(QStringLiteral("确定")), qPrintable(Ok_Button_Text()));
    window.Language_Change(QStringLiteral("ENGLISH"));
    QCOMPARE(Ok_Button_Text().remove(QLatin1Char('&')), QStringLiteral("OK"));
}

QTEST_MAIN(Tst_Language_Look)
#include "tst_language_look.moc"
