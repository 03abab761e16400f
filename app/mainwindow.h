#pragma once

#include "image/image_regions.h"

#include <QMainWindow>
#include <QString>
#include <QTranslator>
#include <QTreeWidgetItem>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

class DATA_FILE_READ_WRITE;
class Page_Room;
class QCloseEvent;
class QLabel;

namespace Ui {
class MainWindow;
}

// The editor's one window: navigation tree, page stack, file and language
// commands, and the decode and encode of all pages through the one image.
// Loading, saving, the file commands and the question about unsaved edits are
// in mainwindow_files.cpp.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Slots of the page stack, in their fixed order.
    enum Page_Slot {
        Slot_Memory_Channels, Slot_Vfo_Channels, Slot_Call_Channels, Slot_Function, Slot_Display,
        Slot_Audio, Slot_Keys, Slot_Bluetooth, Slot_Gps, Slot_Aprs, Slot_Dtmf, Slot_Two_Tone,
        Slot_Five_Tone, Slot_Fm_Radio, Slot_Other, Slot_Menu, Slot_Radio_Info, Slot_Count
    };

    // Replaces the message box through which results are reported (tests and
    // tools that run without a user set it); an empty function restores it.
    using Message_Sink = std::function<void(const QString& title, const QString& text)>;
    static void Set_Message_Sink(Message_Sink sink);

    // The user's answer when New, Open, Exit or closing the window would
    // discard edits that were not saved.
    enum class Unsaved_Answer { Save, Discard, Cancel };
    // Replaces the box that asks it (tests and tools that run without a user
    // set it); an empty function restores it.
    using Question_Sink = std::function<Unsaved_Answer(const QString& title, const QString& text)>;
    static void Set_Question_Sink(Question_Sink sink);

    // What the window holds once constructed: the language's default data
    // file (the editor), or its pages as freshly built over an empty image
    // (the tool that makes the default data files).
    enum class Start_Up { Load_Default_File, Fresh_Pages };

    explicit MainWindow(QWidget* parent = nullptr, Start_Up startUp = Start_Up::Load_Default_File);
    ~MainWindow() override;

    // Decode all: loads `path` through the working file into the image and
    // has every page decode its region. A file that breaks the line format is
    // reported and changes nothing.
    void Set_Windows_Data_From_SP_Read(const QString& path);
    // Encode all: every page encodes into the image, the shell writes its
    // fixed blocks, and the image is saved to `path`.
    void Get_Windows_Data_To_SP_Write(const QString& path);
    // "CHINESE" or "ENGLISH": stores it, installs the translation and carries
    // every page's values through the re-translation.
    void Language_Change(const QString& language);

    // File commands without dialogs; each reports its result and says whether
    // it worked. None of them asks about edits that were not saved.
    bool New_File();
    bool Open_File(const QString& path);
    bool Save_File_To(const QString& path);

    // Whether the pages hold edits that were not saved: the bytes a save would
    // write now differ from those it would have written right after the last
    // Open, New or Save. Finishes the edit in progress first, as a save does;
    // changes neither the image nor the working file.
    bool Has_Unsaved_Edits();

    DATA_FILE_READ_WRITE* Image() const { return m_image.get(); }
    QString Current_File() const { return m_currentFile; }
    QString Current_Language() const { return m_language; }
    // The page in `slot`, built (and holding the values of the last decode
    // all) if it was not built yet.
    QWidget* Page_At(Page_Slot slot) const;

    static QString Default_File_For(const QString& language);
    static QString Working_File_Path();

protected:
    // Closing the window (and Exit) asks first when edits were not saved.
    void closeEvent(QCloseEvent* event) override;

private slots:
    void on_action_New_triggered();
    void on_action_Open_triggered();
    void on_action_Save_triggered();
    void on_action_Save_As_triggered();
    void on_action_Exit_triggered();
    void on_action_Chinese_triggered();
    void on_action_English_triggered();
    void on_treeWidget_currentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);

private:
    struct Page_Entry;
    // A page; its regions come from its field map (Page::Layout()).
    template <class Page>
    void Add_Page(Page_Slot slot, const char* title);
    const Page_Entry* Entry_At(Page_Slot slot) const;

    bool Decode_All_From_File(const QString& path);
    bool Encode_All_To_File(const QString& path);
    void Decode_All_Pages();
    void Encode_All_Pages();
    void Retranslate_All_Pages();
    void Build_Page(Page_Slot slot);
    void Build_All_Pages();
    bool All_Pages_Built() const;
    void Install_Language(const QString& language);
    void Finish_Pending_Edit();
    void Build_Navigation_Tree();
    void Retranslate_Shell();
    void Report(const QString& text);
    bool Is_Default_File(const QString& path) const;
    QString Ask_Save_Path();
    bool Save_Current_File();
    bool Save_As();

    // Edits not saved: the snapshot they are measured against, and the question.
    std::unique_ptr<DATA_FILE_READ_WRITE> Encoded_Copy() const;
    void Take_Saved_Snapshot();
    void Add_To_Saved_Snapshot(const Page_Entry& entry);
    bool May_Discard_Edits();
    Unsaved_Answer Ask_About_Unsaved_Edits();

    // Pages whose regions the image lacks: cleared, disabled and not encoded.
    bool Holds_Page(const Page_Entry& entry) const;
    bool Page_Without_Data(Page_Slot slot) const;
    void Mark_Pages_Without_Data();
    void Clear_Pages_Without_Data();
    void Report_Pages_Without_Data(const QString& path);
    void Build_No_Data_Notice();
    void Update_No_Data_Notice();
    QSize Default_Page_Room(QSize defaultWindow) const;

    std::unique_ptr<Ui::MainWindow> ui;
    std::unique_ptr<DATA_FILE_READ_WRITE> m_image;
    // The image as the last decode all saw it, while some page is not built.
    std::unique_ptr<DATA_FILE_READ_WRITE> m_lastDecoded;
    // The image as a save would have written it right after the last Open,
    // New or Save; none while the image is empty.
    std::unique_ptr<DATA_FILE_READ_WRITE> m_savedSnapshot;
    QTranslator m_translator;
    QTranslator m_qtTranslator; // Qt's own texts, installed for Chinese
    QString m_language;
    QString m_currentFile;
    QLabel* m_noDataNotice = nullptr;
    Page_Room* m_pageRoom = nullptr;

    // The editor's pages, in the fixed order of decode all and encode all.
    std::vector<Page_Entry> m_pages;
};
