// The byte map of the real pages: in address order, no byte with two owners,
// and a byte of the settings block found with its page, widget and caption.

#include "app/byte_map.h"
#include "app/mainwindow.h"
#include "support/test_workdir.h"

#include <QLabel>
#include <QtTest>

class Tst_Byte_Map : public QObject
{
    Q_OBJECT
private slots:
    void every_byte_has_one_owner_in_address_order()
    {
        Test_Workdir dir(false, QStringLiteral("ENGLISH"));
        const MainWindow window(nullptr, MainWindow::Start_Up::Fresh_Pages);
        const Byte_Map map = Make_Byte_Map(window);

        QVERIFY2(map.Conflicts.isEmpty(), qPrintable(map.Conflicts.join(QLatin1Char('\n'))));
        QVERIFY(map.Owners.size() > 100);
        for (int i = 1; i < map.Owners.size(); ++i)
            QVERIFY(map.Owners.at(i - 1).Addr + map.Owners.at(i - 1).Width <= map.Owners.at(i).Addr);

        const auto owner = std::find_if(map.Owners.cbegin(), map.Owners.cend(), [](const Byte_Owner& o) {
            return o.Addr <= 0x15416 && 0x15416 < o.Addr + o.Width;
        });
        QVERIFY(owner != map.Owners.cend());
        QCOMPARE(owner->Page, QStringLiteral("SOUNDS_SETTING_FORM"));
        QCOMPARE(owner->Widget, QStringLiteral("checkBox_2"));
        const auto* label = window.Page_At(MainWindow::Slot_Audio)->findChild<QLabel*>(QStringLiteral("label_9"));
        QCOMPARE(owner->Caption, label->text());

        // Two owners of one byte are named, with the byte.
        const Byte_Map clash = Sorted_Byte_Map({{0x15420, 2, "B", "b", "-"}, {0x15416, 12, "A", "a", "-"}});
        QCOMPARE(clash.Owners.first().Page, QStringLiteral("A"));
        QCOMPARE(clash.Conflicts, QStringList{"conflict: 0x15420-0x15421 claimed by A a and by B b"});
    }
};

QTEST_MAIN(Tst_Byte_Map)
#include "tst_byte_map.moc"
