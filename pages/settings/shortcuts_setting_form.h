#pragma once

#include "widgets/page_build.h"
#include "widgets/page_frame.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class DATA_FILE_READ_WRITE;
class Ui_SHORTCUTS_SETTING_FORM;

namespace Ui {
class SHORTCUTS_SETTING_FORM;
}

// The key settings page: keypad lock and the short and long press of the
// three programmable keys, nine bytes of the settings block.
class SHORTCUTS_SETTING_FORM : public QWidget
{
    Q_OBJECT
public:
    explicit SHORTCUTS_SETTING_FORM(QWidget* parent = nullptr, Page_Build build = Page_Build::Now);
    ~SHORTCUTS_SETTING_FORM() override;
    // Makes the page's widgets, once; a page made with Page_Build::Later has
    // none before.
    void Build_Page();
    bool Is_Built() const { return m_frame.Is_Built(); }
    // Where the page's bytes lie, from its field map; known before the page is built.
    static const Field_Layout& Layout();
    // The page's byte rows in map order; empty until the page is built.
    const QVector<Byte_Row>& Byte_Rows() const { return m_frame.Rows(); }

    void Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void RetranslatePage();
    void FillComboLists();

private:
    static const Field_Map<SHORTCUTS_SETTING_FORM, Ui_SHORTCUTS_SETTING_FORM>& Fields();

    std::unique_ptr<Ui::SHORTCUTS_SETTING_FORM> ui;
    Page_Frame m_frame;
    QStringList KEY_SHORT_PRESS_StringList;
    QStringList KEY_LONG_PRESS_StringList;
    QStringList AUTO_LOCK_StringList;
    QStringList LOCK_TYPE_StringList;
    QStringList LOCK_DELAY_StringList;
};
