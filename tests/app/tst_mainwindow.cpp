#include "app/mainwindow.h"
#include "app/shell_blocks.h"
#include "image/data_file_read_write.h"
#include "image/image_regions.h"
#include "support/test_image.h"
#include "support/test_workdir.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

#include <sys/stat.h>

namespace {

QString Default_Text()
{
    return Read_Text_File(QStringLiteral(KESTREL_RUNTIME_DIR "/Default/Default_CN.PF"));
}

QStringList Captured_Lines;
void Capture(QtMsgType, const QMessageLogContext&, const QString& text)
{
    Captured_Lines.append(text);
}

// The widgets of a page showing a value: text, current item, check, picture, table cell.
QStringList Shown_Values(QWidget* page)
{
    QStringList shown;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        const QVariant value = w->metaObject()->userProperty().read(w);
        auto* label = qobject_cast<QLabel*>(w);
        auto* table = qobject_cast<QTableWidget*>(w);
        if ((!qobject_cast<QScrollBar*>(w) && (value.typeId() == QMetaType::Bool ? value.toBool() : !value.toString().isEmpty()))
            || (label && !label->pixmap().isNull()) || (table && !table->findItems(QStringLiteral("?*"), Qt::MatchWildcard).isEmpty()))
            shown << w->objectName();
    }
    return shown;
}

// Answers the next file dialog with `path` once its event loop runs.
void Answer_File_Dialog(const QString& path)
{
    QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept(); // the file dialog's own check of the name
    });
}

} // namespace

class Tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void start_up_loads_the_default_file_of_its_language();
    void start_up_without_default_file_is_empty_and_reported();
    void page_stack_and_tree();
    void open_and_save_keep_every_byte_in_either_language();
    void malformed_file_changes_nothing();
    void failed_save_is_reported();
    void new_reloads_the_default_file();
    void stored_code_letters_survive_save_and_switch();
    void decode_and_encode_run_in_fixed_order();
    void encode_finishes_the_edit_in_progress();
    void shell_blocks();
    void shell_blocks_need_their_addresses();
    void file_with_part_of_the_memory();
    void edits_not_saved_are_asked_about();
    void no_question_without_edits();
    void menus_open_with_alt_and_lists_keep_their_value();
};

void Tst_MainWindow::start_up_loads_the_default_file_of_its_language()
{
    // A language the editor does not know means English.
    for (const QString configured : {"CHINESE", "KLINGON"}) {
        Test_Workdir dir(true, configured);
        MainWindow window;
        const bool chinese = configured == "CHINESE";
        const QString language = chinese ? configured : QStringLiteral("ENGLISH");
        const QString text = Read_Text_File(QStringLiteral(KESTREL_RUNTIME_DIR "/Default/Default_%1.PF").arg(chinese ? "CN" : "EN"));
        QVERIFY(Test_Messages().isEmpty());
        QCOMPARE(window.Current_Language(), language);
        QCOMPARE(window.windowTitle(), chinese ? "KESTREL 写频软件" : "KESTREL Programming Software");
        QCOMPARE(window.Current_File(), MainWindow::Default_File_For(language));
        QCOMPARE(window.Image()->Image_Text(), text);
        QCOMPARE(Read_Text_File(dir.File(QStringLiteral("TempFile.Dat"))), text);
        QSettings config(QStringLiteral("./Config/SYS_CONFIG.ini"), QSettings::IniFormat);
        QCOMPARE(config.value(QStringLiteral("/SYSTEM_SETTING/LANGUAGE")).toString(), language);
    }
    // Pinned: an encoder change that alters the default files fails until updated here on purpose.
    for (const QString& text : {Default_Text(), Read_Text_File(QStringLiteral(KESTREL_RUNTIME_DIR "/Default/Default_EN.PF"))})
        QCOMPARE(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex(),
                 QByteArray("a5a34398aee878cca378cb9ef29de0497d3e0392ec3375eaffa7276c25e8aa1c"));
}

void Tst_MainWindow::start_up_without_default_file_is_empty_and_reported()
{
    Test_Workdir dir(false, QStringLiteral("ENGLISH"));
    MainWindow window;
    QCOMPARE(Test_Messages().size(), 1);
    QVERIFY2(Test_Messages().first().contains(QStringLiteral("Default_EN.PF")), qPrintable(Test_Messages().first()));
    QVERIFY(window.Image()->Is_Empty());
    QVERIFY(window.Current_File().isEmpty());
    // The pages are cleared, not left with their form defaults.
    const auto ownId = [](const MainWindow& w) {
        return w.Page_At(MainWindow::Slot_Dtmf)->findChild<QLineEdit*>(QStringLiteral("lineEdit_3"))->text();
    };
    QCOMPARE(ownId(window), QString());
    MainWindow fresh(nullptr, MainWindow::Start_Up::Fresh_Pages);
    QCOMPARE(ownId(fresh), QStringLiteral("246"));

    // Nothing to save from an empty editor.
    QVERIFY(!window.Save_File_To(dir.File(QStringLiteral("Data Files/x.PF"))));
    QVERIFY(!QFile::exists(dir.File(QStringLiteral("Data Files/x.PF"))));
}

void Tst_MainWindow::page_stack_and_tree()
{
    Test_Workdir dir;
    MainWindow window;
    auto* stack = window.findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
    auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("treeWidget"));
    QVERIFY(stack && tree);
    QCOMPARE(stack->count(), int(MainWindow::Slot_Count));
    QCOMPARE(QString::fromLatin1(stack->widget(9)->metaObject()->className()), QStringLiteral("APRS_FORM"));
    QCOMPARE(QString::fromLatin1(stack->widget(12)->metaObject()->className()), QStringLiteral("FIVE_TONE_FORM"));
    QCOMPARE(tree->topLevelItemCount(), 8);

    // Choosing a row shows its page.
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        tree->setCurrentItem(tree->topLevelItem(i));
        QCOMPARE(stack->currentIndex(), tree->topLevelItem(i)->data(0, Qt::UserRole).toInt());
        QVERIFY(QByteArray(stack->currentWidget()->metaObject()->className()).endsWith("_FORM"));
    }
    window.Language_Change(QStringLiteral("ENGLISH"));
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Audio Settings"));
}

void Tst_MainWindow::open_and_save_keep_every_byte_in_either_language()
{
    // Saved as opened, or after the language is switched there, back and there again.
    for (const QStringList& languages : {QStringList(), QStringList{"ENGLISH", "CHINESE", "ENGLISH"}}) {
        Test_Workdir dir;
        MainWindow window;
        const QString in = dir.File(QStringLiteral("Data Files/in.PF")), out = dir.File(QStringLiteral("Data Files/out.PF"));
        QVERIFY(Write_Text_File(in, Default_Text()) && window.Open_File(in));
        QCOMPARE(window.Current_File(), in);
        QCOMPARE(window.windowTitle(), QStringLiteral("KESTREL 写频软件 - in.PF"));
        QCOMPARE(Read_Text_File(dir.File(QStringLiteral("TempFile.Dat"))), Default_Text());
        for (const QString& language : languages) {
            window.Language_Change(language);
            QCOMPARE(window.Current_Language(), language);
            QCOMPARE(window.windowTitle(), language == "ENGLISH" ? "KESTREL Programming Software - in.PF" : "KESTREL 写频软件 - in.PF");
        }
        QVERIFY(window.Save_File_To(out));
        QCOMPARE(Read_Text_File(out), Default_Text());
        QCOMPARE(Read_Text_File(dir.File(QStringLiteral("TempFile.Dat"))), Default_Text());
        QVERIFY(Test_Messages().last().contains(QStringLiteral("out.PF")));
        QCOMPARE(window.Current_File(), out);
    }
}

void Tst_MainWindow::malformed_file_changes_nothing()
{
    Test_Workdir dir;
    MainWindow window;
    const QString before = window.Image()->Image_Text();
    const QString working = Read_Text_File(dir.File(QStringLiteral("TempFile.Dat")));
    QString text = Default_Text();
    text.replace(12 + 141 * 2 + 5, 1, QStringLiteral("G")); // a data digit of line 3
    QVERIFY(Write_Text_File(dir.File(QStringLiteral("Data Files/bad.PF")), text));
    QVERIFY(Write_Text_File(dir.File(QStringLiteral("Data Files/empty.PF")), QString()));

    for (const QString name : {"bad.PF", "empty.PF", "missing.PF"}) {
        QVERIFY(!window.Open_File(dir.File(QStringLiteral("Data Files/") + name)));
        QVERIFY2(name != "bad.PF" || Test_Messages().last().contains(QStringLiteral("第 3 行")), qPrintable(Test_Messages().last()));
        QCOMPARE(window.Image()->Image_Text(), before);
        QCOMPARE(Read_Text_File(dir.File(QStringLiteral("TempFile.Dat"))), working);
        QCOMPARE(window.Current_File(), MainWindow::Default_File_For(QStringLiteral("CHINESE")));
    }
}

void Tst_MainWindow::failed_save_is_reported()
{
    Test_Workdir dir;
    MainWindow window;
    const int before = int(Test_Messages().size());
    QVERIFY(!window.Save_File_To(dir.File(QStringLiteral("no/such/folder/out.PF"))));
    QCOMPARE(Test_Messages().size(), before + 1);
    QVERIFY(Test_Messages().last().startsWith(QStringLiteral("保存失败")));
    QCOMPARE(window.Current_File(), MainWindow::Default_File_For(QStringLiteral("CHINESE")));
}

void Tst_MainWindow::new_reloads_the_default_file()
{
    Test_Workdir dir;
    MainWindow window;
    const QString other = dir.File(QStringLiteral("Data Files/other.PF"));
    QString text = Default_Text();
    // A byte no page owns, in the gap behind the FM table.
    text.replace(text.indexOf(QStringLiteral("000142C00040")) + 12, 2, QStringLiteral("5A"));
    QVERIFY(Write_Text_File(other, text));
    QVERIFY(window.Open_File(other));
    QCOMPARE(window.Image()->Read_String_From_Ram_File(0x142C0, 1), QStringLiteral("5A"));
    QVERIFY(window.New_File());
    QCOMPARE(window.Image()->Image_Text(), Default_Text());
    QCOMPARE(window.Current_File(), MainWindow::Default_File_For(QStringLiteral("CHINESE")));
}

void Tst_MainWindow::stored_code_letters_survive_save_and_switch()
{
    // A DTMF code memory "1EF", focused, so that Save and the switch finish its edit.
    Test_Workdir dir;
    MainWindow window;
    const QString in = dir.File(QStringLiteral("Data Files/in.PF"));
    const QString stored = QStringLiteral("314546") + QStringLiteral("00").repeated(21);
    QString written = stored;
    QVERIFY(window.Image()->Write_String_To_Ram_File(Image_Region::Dtmf_Block_Addr + 0x28, written));
    QVERIFY(window.Image()->Write_All_Ram_Data_to_File(in));
    QVERIFY(window.Open_File(in));
    QLineEdit* code = nullptr;
    for (QLineEdit* edit : window.Page_At(MainWindow::Slot_Dtmf)->findChildren<QLineEdit*>())
        code = edit->text() == QLatin1String("1EF") ? edit : code;
    QVERIFY(code);
    window.show();
    QApplication::setActiveWindow(&window);
    window.findChild<QStackedWidget*>(QStringLiteral("stackedWidget"))->setCurrentIndex(MainWindow::Slot_Dtmf);
    code->setFocus();
    QTRY_VERIFY(code->hasFocus());
    QVERIFY(window.Save_File_To(in));
    window.Language_Change(QStringLiteral("ENGLISH"));
    window.Language_Change(QStringLiteral("CHINESE"));
    QCOMPARE(window.Image()->Read_String_From_Ram_File(Image_Region::Dtmf_Block_Addr + 0x28, 24), stored);
    QCOMPARE(Read_Text_File(in), window.Image()->Image_Text());
}

void Tst_MainWindow::decode_and_encode_run_in_fixed_order()
{
    Test_Workdir dir;
    MainWindow window;
    const QStringList order = QStringLiteral("SOUNDS_SETTING_FORM SHORTCUTS_SETTING_FORM FM_RADIO_FORM APRS_FORM DTMF_FORM "
                                             "TWO_TONE_FORM FIVE_TONE_FORM BLUETOOTH_FORM").split(QLatin1Char(' '));
    // Every page built first: a page built late also encodes once into the
    // snapshot that edits not saved are measured against.
    for (int slot = 0; slot < MainWindow::Slot_Count; ++slot)
        window.Page_At(MainWindow::Page_Slot(slot));
    // Each page names itself first in its decoder's and encoder's debug line.
    for (const char* operation : {"::Set_Windows_Data_From_SP_Read", "::Get_Windows_Data_To_SP_Write"}) {
        Captured_Lines.clear();
        QtMessageHandler previous = qInstallMessageHandler(Capture);
        if (QByteArray(operation).startsWith("::Set"))
            window.New_File();
        else
            window.Save_File_To(dir.File(QStringLiteral("Data Files/order.PF")));
        qInstallMessageHandler(previous);
        int last = -1;
        for (const QString& line : std::as_const(Captured_Lines)) {
            const int at = int(line.indexOf(QLatin1String(operation)));
            if (at <= 0)
                continue;
            const int index = int(order.indexOf(line.left(at).split(QLatin1Char(' ')).last().remove(QLatin1Char('"'))));
            if (index < 0)
                continue;
            QVERIFY2(index > last, qPrintable(line));
            last = index;
        }
    }
}

void Tst_MainWindow::encode_finishes_the_edit_in_progress()
{
    Test_Workdir dir;
    MainWindow window;
    auto* field = new QLineEdit(window.Page_At(MainWindow::Slot_Other));
    int finished = 0;
    connect(field, &QLineEdit::editingFinished, field, [&finished] { ++finished; });
    window.show();
    QApplication::setActiveWindow(&window);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QVERIFY(window.Save_File_To(dir.File(QStringLiteral("Data Files/edit.PF"))));
    QCOMPARE(finished, 1);

    // A cell still being edited is saved as typed (channel 3: APRS offset 0x28 + 2 * 10, Hz).
    auto* table = window.Page_At(MainWindow::Slot_Aprs)->findChild<QTableWidget*>(QStringLiteral("tableWidget"));
    window.findChild<QStackedWidget*>(QStringLiteral("stackedWidget"))->setCurrentIndex(MainWindow::Slot_Aprs);
    table->setCurrentCell(2, 0);
    table->editItem(table->item(2, 0));
    QTRY_VERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("145.5"));
    QVERIFY(window.Save_File_To(dir.File(QStringLiteral("Data Files/edit.PF"))));
    QCOMPARE(window.Image()->Read_String_From_Ram_File(Image_Region::Aprs_Block_Addr + 0x3C, 4), QStringLiteral("08AC2760"));
}

void Tst_MainWindow::shell_blocks()
{
    using namespace Image_Region;
    QByteArray bytes = Seeded_Bytes(Image_End - Image_Start, 11);
    auto image = Make_Image(Image_Start, bytes, Image_Text_Options{64, true, false});
    Write_Shell_Fixed_Blocks(image.get());
    const QByteArray after = Image_Bytes(*image);

    // The VFO records mirrored, the work-mode bytes cleared, the fill block FF;
    // everything else, the weather table too, left as found.
    QByteArray expected = bytes;
    expected.replace(Vfo_Mirror_Addr - Image_Start, Vfo_Records_Size, bytes.mid(Vfo_Records_Addr - Image_Start, Vfo_Records_Size));
    for (int i : {5, 6, 10, 11, 12, 13, 14, 15, 16, 17, 23})
        expected[Work_Mode_Block_Addr - Image_Start + i] = 0;
    expected.replace(Ff_Fill_Block_Addr - Image_Start, Ff_Fill_Block_Size, QByteArray(Ff_Fill_Block_Size, char(0xFF)));
    const auto differ = std::mismatch(after.cbegin(), after.cend(), expected.cbegin(), expected.cend());
    QVERIFY2(after == expected, qPrintable(QStringLiteral("first difference at 0x%1").arg(Image_Start + (differ.first - after.cbegin()), 0, 16)));
}

void Tst_MainWindow::shell_blocks_need_their_addresses()
{
    using namespace Image_Region;
    // An image that ends inside the FF fill block and holds no VFO records.
    const QByteArray bytes = Seeded_Bytes(0x1800, 5);
    auto image = Make_Image(0x1F000, bytes);
    const QString before = image->Image_Text();
    Write_Shell_Fixed_Blocks(image.get());
    QCOMPARE(image->Image_Text(), before);
}

void Tst_MainWindow::file_with_part_of_the_memory()
{
    Test_Workdir dir;
    MainWindow window;
    auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("treeWidget"));
    const auto check = [&](const QList<int>& without) {
        for (int i = 0; i < 8; ++i) {
            tree->setCurrentItem(tree->topLevelItem(i));
            const int slot = tree->topLevelItem(i)->data(0, Qt::UserRole).toInt();
            QWidget* page = window.Page_At(MainWindow::Page_Slot(slot));
            QCOMPARE(page->isEnabled(), !without.contains(slot));
            QCOMPARE(window.findChild<QLabel*>(QStringLiteral("noDataNotice"))->isVisibleTo(&window), !page->isEnabled());
            QVERIFY2(page->isEnabled() || Shown_Values(page).isEmpty(), qPrintable(Shown_Values(page).join(QLatin1Char(' '))));
        }
    };
    const QString file = dir.File(QStringLiteral("Data Files/part.PF"));
    // Everything below the APRS block at 0x15500.
    const QString partial = Default_Text().left(Default_Text().indexOf(QStringLiteral("\n00015500")) + 1);
    QVERIFY(Write_Text_File(file, partial) && window.Open_File(file));
    QCOMPARE(Test_Messages(), QStringList(QStringLiteral("文件 %1 中没有以下页面的数据，这些页面已清空并停用：\n"
                                                          "APRS设置\nDTMF设置\n2-TONE设置\n5-TONE设置").arg(file)));
    const QList<int> lacking = {MainWindow::Slot_Aprs, MainWindow::Slot_Dtmf, MainWindow::Slot_Two_Tone, MainWindow::Slot_Five_Tone};
    check(lacking);
    window.Language_Change(QStringLiteral("ENGLISH")); // re-fills the value lists
    check(lacking);
    QVERIFY(window.Save_File_To(file));
    QCOMPARE(Read_Text_File(file), partial);
    QVERIFY(window.New_File());
    QCOMPARE(Test_Messages().size(), 2); // and "saved"
    check({});

    // From 0x15300 on: no FM table; the other FM regions keep their bytes (VFO 100 MHz).
    QString fmPartial = Default_Text().mid(Default_Text().indexOf(QStringLiteral("\n00015300")) + 1);
    fmPartial.replace(12 + 2 * 18, 8, QStringLiteral("05F5E100"));
    QVERIFY(Write_Text_File(file, fmPartial) && window.Open_File(file) && window.Save_File_To(file));
    check({MainWindow::Slot_Fm_Radio});
    QCOMPARE(Read_Text_File(file), fmPartial);
}

void Tst_MainWindow::edits_not_saved_are_asked_about()
{
    using Answer = MainWindow::Unsaved_Answer;
    QApplication::setQuitOnLastWindowClosed(false);
    const QString cn = MainWindow::Default_File_For(QStringLiteral("CHINESE"));
    // New, Open, Exit, closing the window; New when the save fails (a FIFO took the file's
    // place); New with no file of the editor's own (Save asks for a path).
    for (int command = 0; command < 6; ++command) {
        for (Answer answer : {Answer::Save, Answer::Discard, Answer::Cancel}) {
            Test_Workdir dir;
            const QString in = dir.File(QStringLiteral("Data Files/in.PF")), other = dir.File(QStringLiteral("Data Files/other.PF"));
            MainWindow window;
            QStringList asked;
            MainWindow::Set_Question_Sink([&](const QString&, const QString& text) { asked << text; return answer; });
            QVERIFY(Write_Text_File(in, Default_Text()) && Write_Text_File(other, Default_Text()));
            QVERIFY(command == 5 || window.Open_File(in));
            window.show();
            auto* beep = window.Page_At(MainWindow::Slot_Audio)->findChild<QComboBox*>(QStringLiteral("comboBox_13"));
            beep->setCurrentIndex(beep->currentIndex() ^ 1);
            if (command == 4)
                QVERIFY(QFile::remove(in) && ::mkfifo(QFile::encodeName(in).constData(), 0600) == 0);
            if ((command == 1 && answer != Answer::Cancel) || (command == 5 && answer == Answer::Save))
                Answer_File_Dialog(command == 1 ? other : dir.File(QStringLiteral("Data Files/named.PF")));
            const char* actions[] = {"action_New", "action_Open", "action_Exit", nullptr, "action_New", "action_New"};
            if (command == 3)
                window.close();
            else
                window.findChild<QAction*>(QLatin1String(actions[command]))->trigger();

            QCOMPARE(asked, QStringList(QStringLiteral("当前数据有尚未保存的修改。是否先保存？")));
            const bool goesOn = answer == Answer::Discard || (answer == Answer::Save && command != 4);
            const bool closes = command == 2 || command == 3;
            if (command != 4)
                QCOMPARE(Read_Text_File(in) != Default_Text(), answer == Answer::Save && command != 5);
            QCOMPARE(QFile::exists(dir.File(QStringLiteral("Data Files/named.PF"))), command == 5 && answer == Answer::Save);
            QCOMPARE(window.Has_Unsaved_Edits(), !goesOn || (closes && answer == Answer::Discard));
            QCOMPARE(window.isVisible(), !goesOn || !closes);
            const QString after[] = {cn, other, in, in, cn, cn};
            QCOMPARE(window.Current_File(), goesOn || command == 5 ? after[command] : in);
        }
    }
    MainWindow::Set_Question_Sink({});
}

void Tst_MainWindow::no_question_without_edits()
{
    int asked = 0;
    MainWindow::Set_Question_Sink([&asked](const QString&, const QString&) { ++asked; return MainWindow::Unsaved_Answer::Cancel; });
    Test_Workdir dir;
    MainWindow window;
    // A language switch; an edit typed back.
    window.Language_Change(QStringLiteral("ENGLISH"));
    window.Language_Change(QStringLiteral("CHINESE"));
    auto* ownId = window.Page_At(MainWindow::Slot_Dtmf)->findChild<QLineEdit*>(QStringLiteral("lineEdit_3"));
    const QString shown = ownId->text();
    for (const QString& typed : {QStringLiteral("135"), shown}) {
        ownId->selectAll();
        QTest::keyClicks(ownId, typed + QLatin1Char('\r'));
        QCOMPARE(window.Has_Unsaved_Edits(), typed != shown);
    }
    window.findChild<QAction*>(QStringLiteral("action_New"))->trigger();

    // Files the pages normalise on save, pages built before and after the Open.
    using namespace Image_Region;
    for (int seed = 1; seed <= 3; ++seed) {
        MainWindow fresh;
        QByteArray bytes = Seeded_Bytes(Image_End - Image_Start, quint32(seed));
        // FM channel 1 at 100 MHz without a name: a save names it, the Open shows none.
        bytes[Fm_Channel_Flags_Addr - Image_Start] = char(bytes[Fm_Channel_Flags_Addr - Image_Start] | 1);
        bytes.replace(Fm_Channel_Table_Addr - Image_Start, 5, QByteArray::fromHex("05F5E10000"));
        const QString image = Make_Image_Text(Image_Start, bytes, {64, seed == 2, false});
        const QString in = dir.File(QStringLiteral("Data Files/random.PF"));
        for (int slot = 0; slot < MainWindow::Slot_Count; ++slot)
            fresh.Page_At(MainWindow::Page_Slot((slot + seed) % 3 == 0 ? slot : 0));
        QVERIFY(Write_Text_File(in, image) && fresh.Open_File(in));
        for (int slot = 0; slot < MainWindow::Slot_Count; slot += seed)
            fresh.Page_At(MainWindow::Page_Slot(slot));
        QCOMPARE(fresh.Page_At(MainWindow::Slot_Fm_Radio)->findChild<QLineEdit*>(QStringLiteral("lineEdit"))->text(), QString());
        fresh.findChild<QAction*>(QStringLiteral("action_New"))->trigger();
        QVERIFY(fresh.Open_File(in) && fresh.Save_File_To(in) && Read_Text_File(in) != image);
    }
    QCOMPARE(asked, 0);
    MainWindow::Set_Question_Sink({});
}

void Tst_MainWindow::menus_open_with_alt_and_lists_keep_their_value()
{
    Test_Workdir dir;
    MainWindow window;
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* list = window.Page_At(MainWindow::Slot_Keys)->findChild<QComboBox*>(QStringLiteral("comboBox_1"));
    const int index = list->currentIndex();
    for (const char* language : {"CHINESE", "ENGLISH"}) {
        window.Language_Change(QLatin1String(language));
        for (QMenu* menu : {window.findChild<QMenu*>(QStringLiteral("menu_File")), window.findChild<QMenu*>(QStringLiteral("menu_Language"))}) {
            QTest::keyClick(list, menu->objectName() == QLatin1String("menu_File") ? Qt::Key_F : Qt::Key_L, Qt::AltModifier);
            QTRY_VERIFY(menu->isVisible());
            menu->close();
        }
    }
    // Letters that start English items ("Monitor", "Talk Around"), and moves; Ctrl+O would be Open.
    for (Qt::KeyboardModifier modifier : {Qt::AltModifier, Qt::ControlModifier, Qt::MetaModifier}) {
        for (Qt::Key key : {Qt::Key_M, Qt::Key_T, Qt::Key_O, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_End}) {
            if (modifier != Qt::ControlModifier || key != Qt::Key_O)
                QTest::keyClick(list, key, modifier);
            list->hidePopup();
        }
    }
    QCOMPARE(list->currentIndex(), index);
    QCOMPARE(window.findChild<QMenu*>(QStringLiteral("menu_File"))->title(), QStringLiteral("&File"));
    window.Language_Change(QStringLiteral("CHINESE"));
    QCOMPARE(window.findChild<QMenu*>(QStringLiteral("menu_File"))->title(), QStringLiteral("文件(&F)"));
}

QTEST_MAIN(Tst_MainWindow)
#include "tst_mainwindow.moc"
