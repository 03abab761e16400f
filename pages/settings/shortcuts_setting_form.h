#pragma once

#include "pages/settings/settings_rows.h"
#include "widgets/page_build.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class DATA_FILE_READ_WRITE;
class QComboBox;

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
    bool Is_Built() const { return m_built; }

    void Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void RetranslatePage();
    void FillComboLists();

private:
    // The page's byte table, shared by decoder and encoder; made with the widgets.
    void Bind_Rows();

    std::unique_ptr<Ui::SHORTCUTS_SETTING_FORM> ui;
    bool m_built = false;
    QVector<Byte_Row> m_rows;
    QStringList KEY_SHORT_PRESS_StringList;
    QStringList KEY_LONG_PRESS_StringList;
    QStringList AUTO_LOCK_StringList;
    QStringList LOCK_TYPE_StringList;
    QStringList LOCK_DELAY_StringList;
};
