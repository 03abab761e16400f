#pragma once

#include "widgets/page_build.h"
#include "widgets/page_frame.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class DATA_FILE_READ_WRITE;
class Ui_BLUETOOTH_FORM;

namespace Ui {
class BLUETOOTH_FORM;
}

// The Bluetooth settings page: on/off, control of the radio's own microphone
// and speaker, and the Bluetooth microphone and speaker gain, five bytes of
// the settings block.
class BLUETOOTH_FORM : public QWidget
{
    Q_OBJECT
public:
    explicit BLUETOOTH_FORM(QWidget* parent = nullptr, Page_Build build = Page_Build::Now);
    ~BLUETOOTH_FORM() override;
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

private:
    static const Field_Map<BLUETOOTH_FORM, Ui_BLUETOOTH_FORM>& Fields();
    void FillComboLists();

    std::unique_ptr<Ui::BLUETOOTH_FORM> ui;
    Page_Frame m_frame;
    QStringList OFF_ON_StringList;
    QStringList BT_MIC_GAIN_StringList;
    QStringList BT_SPEAKER_GAIN_StringList;
};
