#pragma once

#include "widgets/page_build.h"
#include "widgets/page_frame.h"

#include <QStringList>
#include <QVector>
#include <QWidget>

#include <memory>

class DATA_FILE_READ_WRITE;
class QComboBox;
class QLineEdit;
class Ui_DTMF_FORM;

namespace Ui {
class DTMF_FORM;
}

// The DTMF page: own ID, basic, encoder and decoder settings, kill, stun and
// wake codes, 16 code memories and the 8-row PTT ID list, all in the DTMF
// block of the image (offsets in dtmf_layout.h, the widget of each field in
// the page's field map).
class DTMF_FORM : public QWidget
{
    Q_OBJECT
public:
    explicit DTMF_FORM(QWidget* parent = nullptr, Page_Build build = Page_Build::Now);
    ~DTMF_FORM() override;
    // Makes the page's widgets, once; a page made with Page_Build::Later has
    // none before.
    void Build_Page();
    bool Is_Built() const { return m_frame.Is_Built(); }
    // Where the page's bytes lie, from its field map; known before the page is built.
    static const Field_Layout& Layout();

    void Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void RetranslatePage();
    void FillComboLists();
    void Set_Line_Edit_Validators();
    // The page's byte rows: every field of the block it owns, in the order
    // its decoder and encoder walk them; empty until the page is built.
    const QVector<Byte_Row>& Byte_Rows() const { return m_frame.Rows(); }

private slots:
    void on_lineEdit_3_editingFinished();
    void on_lineEdit_6_editingFinished();
    void on_lineEdit_7_editingFinished();
    void on_lineEdit_8_editingFinished();
    void on_lineEdit_40_editingFinished();
    void on_lineEdit_41_editingFinished();
    void on_lineEdit_42_editingFinished();
    void on_lineEdit_43_editingFinished();
    void on_lineEdit_44_editingFinished();
    void on_lineEdit_45_editingFinished();
    void on_lineEdit_46_editingFinished();
    void on_lineEdit_47_editingFinished();
    void on_lineEdit_48_editingFinished();
    void on_lineEdit_49_editingFinished();
    void on_lineEdit_50_editingFinished();
    void on_lineEdit_51_editingFinished();
    void on_lineEdit_52_editingFinished();
    void on_lineEdit_53_editingFinished();
    void on_lineEdit_54_editingFinished();
    void on_lineEdit_55_editingFinished();
    void on_lineEdit_56_editingFinished();
    void on_lineEdit_57_editingFinished();
    void on_lineEdit_58_editingFinished();
    void on_lineEdit_59_editingFinished();
    void on_lineEdit_60_editingFinished();
    void on_lineEdit_61_editingFinished();
    void on_lineEdit_62_editingFinished();
    void on_lineEdit_63_editingFinished();
    void on_lineEdit_64_editingFinished();
    void on_lineEdit_65_editingFinished();
    void on_lineEdit_66_editingFinished();
    void on_lineEdit_67_editingFinished();
    void on_lineEdit_68_editingFinished();
    void on_lineEdit_69_editingFinished();
    void on_lineEdit_70_editingFinished();
    void on_lineEdit_71_editingFinished();

private:
    // The code-field rule applied to one line edit once the user has edited
    // it and finished. A plain member, not a slot: only the per-field slots
    // call it.
    void on_Dtmf_Memory_lineEdit_editingFinished(QLineEdit* lineEdit);
    static const Field_Map<DTMF_FORM, Ui_DTMF_FORM>& Fields();

    std::unique_ptr<Ui::DTMF_FORM> ui;
    Page_Frame m_frame;

    QStringList AUTO_RESET_TIME_StringList;
    QStringList DTMF_SEND_TIME_StringList;
    QStringList FIRST_DIGIT_TIME_StringList;
    QStringList CARRIER_TIME_StringList;
    QStringList D_CODE_PAUSE_StringList;
    QStringList PTT_ID_PAUSE_StringList;
    QStringList SIDE_TONE_StringList;
    QStringList DIALER_TYPE_StringList;
    QStringList PTT_ID_TYPE_StringList;
    QStringList ANI_DISPLAY_StringList;
    QStringList DECODE_RESPONSE_StringList;
};
