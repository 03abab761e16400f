#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/app_paths.h"
#include "app/font_substitutes.h"
#include "app/page_presence.h"
#include "app/page_room.h"
#include "app/shell_blocks.h"
#include "app/shown_text_keeper.h"
#include "image/data_file_read_write.h"
#include "pages/aprs/aprs_form.h"
#include "pages/fm/fm_radio_form.h"
#include "pages/settings/bluetooth_form.h"
#include "pages/settings/shortcuts_setting_form.h"
#include "pages/settings/sounds_setting_form.h"
#include "pages/signalling/dtmf_form.h"
#include "pages/signalling/five_tone_form.h"
#include "pages/signalling/two_tone_form.h"
#include "widgets/carried_values.h"
#include "widgets/combo_key_guard.h"
#include "widgets/table_editor.h"
#include "widgets/wheel_guard.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char Language_Key[] = "/SYSTEM_SETTING/LANGUAGE";
// The room the largest page needs, in either language.
constexpr QSize Smallest_Page_Room(660, 380);

MainWindow::Message_Sink& Sink()
{
    static MainWindow::Message_Sink sink;
    return sink;
}

} // namespace

// One page of the editor: its slot in the stack, its title in the navigation
// tree, the image regions it decodes and encodes, and its operations.
struct MainWindow::Page_Entry
{
    Page_Slot Slot;
    const char* Title;
    QVector<Image_Region::Region> Regions;
    QWidget* Page;
    std::function<bool()> Is_Built;
    std::function<void()> Build;
    std::function<void(DATA_FILE_READ_WRITE*)> Decode;
    std::function<void(DATA_FILE_READ_WRITE*)> Encode;
    std::function<void()> Retranslate;
};

// Makes a page that builds its widgets the first time it is needed, and
// lists it. The order of the calls is the order of decode all and encode all.
template <class Page>
void MainWindow::Add_Page(Page_Slot slot, const char* title)
{
    auto* page = new Page(this, Page_Build::Later);
    m_pages.push_back({slot, title, Page::Layout().Regions(), page,
                       [page] { return page->Is_Built(); },
                       [page] { page->Build_Page(); },
                       [page](DATA_FILE_READ_WRITE* image) { page->Set_Windows_Data_From_SP_Read(image); },
                       [page](DATA_FILE_READ_WRITE* image) { page->Get_Windows_Data_To_SP_Write(image); },
                       [page] { page->RetranslatePage(); }});
}

const MainWindow::Page_Entry* MainWindow::Entry_At(Page_Slot slot) const
{
    for (const Page_Entry& entry : m_pages) {
        if (entry.Slot == slot)
            return &entry;
    }
    return nullptr;
}

void MainWindow::Set_Message_Sink(Message_Sink sink)
{
    Sink() = std::move(sink);
}

QString MainWindow::Working_File_Path()
{
    return App_Paths::Working_File();
}

QString MainWindow::Default_File_For(const QString& language)
{
    return App_Paths::Default_File(language);
}

MainWindow::MainWindow(QWidget* parent, Start_Up startUp)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    // The fonts and the translation go in first, so that every form comes up
    // in its language and fonts at once.
    Install_Font_Substitutes();
    const QString stored = QSettings(App_Paths::Config_File(), QSettings::IniFormat)
                               .value(QString::fromLatin1(Language_Key))
                               .toString();
    Install_Language(stored == QLatin1String("CHINESE") ? QStringLiteral("CHINESE") : QStringLiteral("ENGLISH"));

    ui->setupUi(this);
    m_image = std::make_unique<DATA_FILE_READ_WRITE>(Working_File_Path());
    Wheel_Guard::Install(); // the wheel scrolls the pages, not their values
    Combo_Key_Guard::Install(); // Alt+letter opens a menu, not a list's item

    Add_Page<SOUNDS_SETTING_FORM>(Slot_Audio, QT_TRANSLATE_NOOP("MainWindow", "音频设置"));
    Add_Page<SHORTCUTS_SETTING_FORM>(Slot_Keys, QT_TRANSLATE_NOOP("MainWindow", "按键设置"));
    Add_Page<FM_RADIO_FORM>(Slot_Fm_Radio, QT_TRANSLATE_NOOP("MainWindow", "收音机设置"));
    Add_Page<APRS_FORM>(Slot_Aprs, QT_TRANSLATE_NOOP("MainWindow", "APRS设置"));
    Add_Page<DTMF_FORM>(Slot_Dtmf, QT_TRANSLATE_NOOP("MainWindow", "DTMF设置"));
    Add_Page<TWO_TONE_FORM>(Slot_Two_Tone, QT_TRANSLATE_NOOP("MainWindow", "2-TONE设置"));
    Add_Page<FIVE_TONE_FORM>(Slot_Five_Tone, QT_TRANSLATE_NOOP("MainWindow", "5-TONE设置"));
    Add_Page<BLUETOOTH_FORM>(Slot_Bluetooth, QT_TRANSLATE_NOOP("MainWindow", "蓝牙设置"));

    // The stack holds every slot; a slot this editor has no page for stays empty.
    for (int slot = 0; slot < Slot_Count; ++slot) {
        const Page_Entry* entry = Entry_At(Page_Slot(slot));
        ui->stackedWidget->addWidget(entry ? entry->Page : new QWidget(this));
    }
    Build_Navigation_Tree();
    Build_No_Data_Notice();
    Retranslate_Shell();
    // The working file as a language switch leaves it: the image is still empty.
    if (!m_image->Write_All_Ram_Data_to_File(m_image->Working_File_Path()))
        qDebug() << "MainWindow" << m_image->Last_Error();

    if (startUp == Start_Up::Fresh_Pages)
        return;
    // Without a default file the editor starts empty: every page decodes
    // the empty image, which clears it.
    if (!New_File())
        Decode_All_Pages();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::Page_At(Page_Slot slot) const
{
    // Building a page changes nothing a caller can tell from having had it
    // built all along.
    const_cast<MainWindow*>(this)->Build_Page(slot);
    return ui->stackedWidget->widget(slot);
}

// A page is built the first time it is needed and then holds what it would
// had it been built at start: made, translated once more as every page was at
// start (the table headers of two pages take their fonts from that pass), and
// given the values of the last decode all; a page the image holds no data
// for shows none.
void MainWindow::Build_Page(Page_Slot slot)
{
    const Page_Entry* entry = Entry_At(slot);
    if (!entry || entry->Is_Built())
        return;
    entry->Build();
    entry->Retranslate();
    if (m_lastDecoded)
        entry->Decode(m_lastDecoded.get());
    if (Page_Without_Data(slot))
        Clear_Page_Widgets(entry->Page);
    Add_To_Saved_Snapshot(*entry);
    if (All_Pages_Built())
        m_lastDecoded.reset();
}

bool MainWindow::All_Pages_Built() const
{
    return std::all_of(m_pages.begin(), m_pages.end(), [](const Page_Entry& entry) { return entry.Is_Built(); });
}

void MainWindow::Build_All_Pages()
{
    for (const Page_Entry& entry : m_pages)
        Build_Page(entry.Slot);
}

void MainWindow::Build_Navigation_Tree()
{
    // The tree lists the pages in the order of their slots.
    std::vector<const Page_Entry*> pages;
    for (const Page_Entry& entry : m_pages)
        pages.push_back(&entry);
    std::sort(pages.begin(), pages.end(), [](const Page_Entry* a, const Page_Entry* b) { return a->Slot < b->Slot; });
    ui->treeWidget->clear();
    for (const Page_Entry* entry : pages) {
        auto* item = new QTreeWidgetItem(ui->treeWidget);
        item->setText(0, tr(entry->Title));
        item->setData(0, Qt::UserRole, int(entry->Slot));
    }
    ui->treeWidget->setCurrentItem(ui->treeWidget->topLevelItem(0));
}

void MainWindow::on_treeWidget_currentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* /*previous*/)
{
    if (!current)
        return;
    const int slot = current->data(0, Qt::UserRole).toInt();
    Build_Page(Page_Slot(slot));
    ui->stackedWidget->setCurrentIndex(slot);
}

void MainWindow::Report(const QString& text)
{
    if (Sink())
        Sink()(tr("提示"), text);
    else
        QMessageBox::about(this, tr("提示"), text);
}

// ---- decode and encode of all pages ----------------------------------------

void MainWindow::Decode_All_Pages()
{
    DATA_FILE_READ_WRITE* image = m_image.get();
    // What the pages not built yet will decode when they are built (decoders
    // only read, so this is what every page here sees).
    if (All_Pages_Built())
        m_lastDecoded.reset();
    else
        m_lastDecoded = std::make_unique<DATA_FILE_READ_WRITE>(*image);
    // A page not built yet takes the values when it is built.
    for (const Page_Entry& entry : m_pages) {
        if (entry.Is_Built())
            entry.Decode(image);
    }
    Mark_Pages_Without_Data();
}

void MainWindow::Encode_All_Pages()
{
    // Every page writes its values, so every page must hold them first.
    Build_All_Pages();
    DATA_FILE_READ_WRITE* image = m_image.get();
    // A page whose regions the image lacks has nothing to write.
    for (const Page_Entry& entry : m_pages) {
        if (Holds_Page(entry))
            entry.Encode(image);
    }
}

// The image as a save would write it now, from the pages built so far, in a
// copy: the image, the working file and what the pages show stay as they
// are. A page not built yet holds the values of the last decode, which its
// bytes in the image are.
std::unique_ptr<DATA_FILE_READ_WRITE> MainWindow::Encoded_Copy() const
{
    std::vector<const Page_Entry*> encoded;
    QVector<QWidget*> pages;
    for (const Page_Entry& entry : m_pages) {
        if (entry.Is_Built() && Holds_Page(entry)) {
            encoded.push_back(&entry);
            pages.append(entry.Page);
        }
    }
    auto copy = std::make_unique<DATA_FILE_READ_WRITE>(*m_image);
    const Shown_Text_Keeper keeper(pages);
    for (const Page_Entry* entry : encoded)
        entry->Encode(copy.get());
    Write_Shell_Fixed_Blocks(copy.get());
    return copy;
}

// A page built after the snapshot was taken holds the values of the last
// decode: what it writes now is what it would have written then.
void MainWindow::Add_To_Saved_Snapshot(const Page_Entry& entry)
{
    if (!m_savedSnapshot || !Holds_Page(entry))
        return;
    const Shown_Text_Keeper keeper({entry.Page});
    entry.Encode(m_savedSnapshot.get());
}

void MainWindow::Retranslate_All_Pages()
{
    for (const Page_Entry& entry : m_pages)
        entry.Retranslate();
}

void MainWindow::Finish_Pending_Edit()
{
    auto* lineEdit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    // An open cell editor hands its text to the view it belongs to; it stays open.
    if (lineEdit && !Commit_Cell_Editor(lineEdit))
        emit lineEdit->editingFinished();
}

// ---- language ---------------------------------------------------------------

void MainWindow::Retranslate_Shell()
{
    ui->retranslateUi(this);
    for (int i = 0; i < ui->treeWidget->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = ui->treeWidget->topLevelItem(i);
        item->setText(0, tr(Entry_At(Page_Slot(item->data(0, Qt::UserRole).toInt()))->Title));
    }
    ui->action_Chinese->setChecked(m_language == QLatin1String("CHINESE"));
    ui->action_English->setChecked(m_language != QLatin1String("CHINESE"));
    const QString title = tr("KESTREL 写频软件");
    if (m_currentFile.isEmpty() || Is_Default_File(m_currentFile))
        setWindowTitle(title);
    else
        setWindowTitle(title + QStringLiteral(" - ") + QFileInfo(m_currentFile).fileName());
    // Where nothing the editor writes outlives the run, the status bar says
    // so for good, without a box in the way.
    if (App_Paths::In_Temporary_Folder()) {
        auto* note = statusBar()->findChild<QLabel*>(QStringLiteral("temporary_folder_note"));
        if (!note) {
            note = new QLabel(statusBar());
            note->setObjectName(QStringLiteral("temporary_folder_note"));
            statusBar()->addWidget(note);
        }
        note->setText(tr("程序文件夹和用户数据文件夹都无法写入：工作文件放在临时文件夹 %1 中，退出后不保留设置。")
                          .arg(QDir::toNativeSeparators(App_Paths::Writable_Folder())));
    }
}

void MainWindow::Install_Language(const QString& language)
{
    m_language = language == QLatin1String("CHINESE") ? QStringLiteral("CHINESE") : QStringLiteral("ENGLISH");
    QSettings config(App_Paths::Config_File(), QSettings::IniFormat);
    config.setValue(QString::fromLatin1(Language_Key), m_language);

    QCoreApplication::removeTranslator(&m_translator);
    const QString qm = App_Paths::Translation_File(m_language);
    if (m_translator.load(qm)) {
        QCoreApplication::installTranslator(&m_translator);
    } else {
        qDebug() << "Language_Change" << "cannot load" << qm;
        // Untranslated, the forms show their own language: the one in use.
        m_language = QStringLiteral("CHINESE");
    }

    // Qt's own texts (dialog buttons, the file dialog) follow the language;
    // English is their source language.
    QCoreApplication::removeTranslator(&m_qtTranslator);
    if (m_language != QLatin1String("CHINESE"))
        return;
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (m_qtTranslator.load(QStringLiteral("qtbase_zh_CN"), qtFolder))
        QCoreApplication::installTranslator(&m_qtTranslator);
    else
        qDebug() << "Language_Change" << "cannot load qtbase_zh_CN from" << qtFolder;
}

void MainWindow::Language_Change(const QString& language)
{
    Install_Language(language);
    Retranslate_Shell();

    // Re-translation resets what the pages show; the image carries their
    // values across. Encode first (and keep the working file up to date),
    // re-translate, then decode from the same image.
    Finish_Pending_Edit();
    const Carried_Values carried;
    Encode_All_Pages();
    Write_Shell_Fixed_Blocks(m_image.get());
    if (!m_image->Write_All_Ram_Data_to_File(m_image->Working_File_Path()))
        qDebug() << "Language_Change" << m_image->Last_Error();
    Retranslate_All_Pages();
    // An empty image (nothing loaded yet) carries nothing back; decoding it
    // would only wipe the pages' form defaults.
    if (!m_image->Is_Empty()) {
        Decode_All_Pages();
    } else {
        Clear_Pages_Without_Data();
        Update_No_Data_Notice(); // the texts changed the pages' sizes and the frame's
    }
}

void MainWindow::on_action_Chinese_triggered()
{
    Language_Change(QStringLiteral("CHINESE"));
}

void MainWindow::on_action_English_triggered()
{
    Language_Change(QStringLiteral("ENGLISH"));
}

// ---- pages without data -------------------------------------------------------

bool MainWindow::Holds_Page(const Page_Entry& entry) const
{
    return Image_Holds_Regions(*m_image, entry.Regions);
}

bool MainWindow::Page_Without_Data(Page_Slot slot) const
{
    const Page_Entry* entry = Entry_At(slot);
    return entry && !entry->Page->isEnabledTo(ui->stackedWidget);
}

void MainWindow::Mark_Pages_Without_Data()
{
    for (const Page_Entry& entry : m_pages)
        entry.Page->setEnabled(Holds_Page(entry));
    Clear_Pages_Without_Data();
    Update_No_Data_Notice();
}

void MainWindow::Clear_Pages_Without_Data()
{
    // A decoder fills the widgets even from a missing region; what it shows
    // there is not in the file.
    for (const Page_Entry& entry : m_pages) {
        if (Page_Without_Data(entry.Slot))
            Clear_Page_Widgets(entry.Page);
    }
}

void MainWindow::Report_Pages_Without_Data(const QString& path)
{
    QStringList titles;
    for (int i = 0; i < ui->treeWidget->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = ui->treeWidget->topLevelItem(i);
        if (Page_Without_Data(Page_Slot(item->data(0, Qt::UserRole).toInt())))
            titles.append(item->text(0));
    }
    if (!titles.isEmpty())
        Report(tr("文件 %1 中没有以下页面的数据，这些页面已清空并停用：\n%2")
                   .arg(QDir::toNativeSeparators(path), titles.join(QLatin1Char('\n'))));
}

void MainWindow::Build_No_Data_Notice()
{
    // A notice above the page stack, shown with a page the file holds no data for.
    auto* column = new QWidget;
    ui->splitter->insertWidget(ui->splitter->indexOf(ui->stackedWidget), column);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_noDataNotice = new QLabel(column);
    m_noDataNotice->setObjectName(QStringLiteral("noDataNotice"));
    m_noDataNotice->setAlignment(Qt::AlignCenter);
    m_noDataNotice->setWordWrap(true);
    m_noDataNotice->setMargin(8);
    m_noDataNotice->setStyleSheet(QStringLiteral("QLabel#noDataNotice { background: #FFF4CE; color: #5C4400; }"));
    m_noDataNotice->hide();
    layout->addWidget(m_noDataNotice);
    // The room keeps the size every page needs, built or not, so the window
    // cannot shrink below it; a page larger than the room (other fonts, a
    // window forced smaller) scrolls and is never squeezed.
    const QSize defaultWindow = size(); // as the form makes it
    m_pageRoom = new Page_Room(
        ui->stackedWidget, [this, defaultWindow] { return Default_Page_Room(defaultWindow); }, column);
    m_pageRoom->setMinimumSize(Smallest_Page_Room);
    m_pageRoom->setObjectName(QStringLiteral("pageRoom"));
    m_pageRoom->setFrameShape(QFrame::NoFrame);
    m_pageRoom->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_pageRoom, 1);
    connect(ui->stackedWidget, &QStackedWidget::currentChanged, this, &MainWindow::Update_No_Data_Notice);
}

// The room the window gives the pages at `defaultWindow`, its size as the
// form makes it: the window less its frame around the room. The frame is
// what the window holds beside the room at its smallest, with the navigation
// tree at its widest (as it stands at the default size) and the notice at
// its height across that room.
QSize MainWindow::Default_Page_Room(QSize defaultWindow) const
{
    // The frame's hints afresh: the notice may have just come or gone.
    ui->splitter->updateGeometry();
    ui->centralwidget->updateGeometry();
    QSize frame = minimumSizeHint() - m_pageRoom->minimumSize();
    frame.rwidth() += ui->treeWidget->maximumWidth() - ui->treeWidget->minimumWidth();
    if (m_noDataNotice->isVisibleTo(ui->centralwidget)) {
        const int width = defaultWindow.width() - frame.width();
        frame.rheight() += m_noDataNotice->heightForWidth(width) - m_noDataNotice->minimumSizeHint().height();
    }
    return defaultWindow - frame;
}

void MainWindow::Update_No_Data_Notice()
{
    const int slot = ui->stackedWidget->currentIndex();
    m_noDataNotice->setText(tr("此文件中没有本页的数据。"));
    m_noDataNotice->setVisible(slot >= 0 && Page_Without_Data(Page_Slot(slot)));
    m_pageRoom->Update_Floors();
}
