#pragma once

#include "pages/signalling/five_tone_standards.h"
#include "widgets/page_build.h"
#include "widgets/page_frame.h"

#include <QStringList>
#include <QVector>
#include <QWidget>

#include <array>
#include <memory>

class DATA_FILE_READ_WRITE;
class QComboBox;
class QLineEdit;
class Ui_FIVE_TONE_FORM;

// The 5-tone signalling page: own ID, encoder and decoder settings, 16 code
// memories, 8 PTT ID entries and 16 information codes, kept in
// Five_Tone_Block, beside a read-only reference panel of the fifteen tone
// standards that follows whichever standard the user picks.
class FIVE_TONE_FORM : public QWidget
{
    Q_OBJECT
public:
    explicit FIVE_TONE_FORM(QWidget* parent = nullptr, Page_Build build = Page_Build::Now);
    ~FIVE_TONE_FORM() override;
    // Makes the page's widgets, once; a page made with Page_Build::Later has
    // none before.
    void Build_Page();
    bool Is_Built() const { return m_frame.Is_Built(); }
    // Where the page's bytes lie, from its field map; known before the page is built.
    static const Field_Layout& Layout();

    // Fills the widgets from Five_Tone_Block. A block the image does not hold
    // reads as all zero: first entries, no digit box, empty texts.
    void Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    // Writes the widgets into Five_Tone_Block, keeping the bytes the page does
    // not own. Writes nothing when the image does not hold the whole block.
    void Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    // Sets the form texts and value lists for the installed language; the
    // shell's encode/decode round trip brings the values back.
    void RetranslatePage();
    // The page's byte rows: every field of the block it owns, in block
    // order; empty until the page is built.
    const QVector<Byte_Row>& Byte_Rows() const { return m_frame.Rows(); }

private slots:
    // The reference panel's own selector.
    void on_comboBox_13_currentIndexChanged(int index);
    // Every standard selector of the page moves the panel along.
    void on_comboBox_4_currentIndexChanged(int index);
    void on_comboBox_22_currentIndexChanged(int index);
    void on_comboBox_23_currentIndexChanged(int index);
    void on_comboBox_24_currentIndexChanged(int index);
    void on_comboBox_25_currentIndexChanged(int index);
    void on_comboBox_26_currentIndexChanged(int index);
    void on_comboBox_27_currentIndexChanged(int index);
    void on_comboBox_28_currentIndexChanged(int index);
    void on_comboBox_29_currentIndexChanged(int index);
    void on_comboBox_30_currentIndexChanged(int index);
    void on_comboBox_31_currentIndexChanged(int index);
    void on_comboBox_32_currentIndexChanged(int index);
    void on_comboBox_33_currentIndexChanged(int index);
    void on_comboBox_34_currentIndexChanged(int index);
    void on_comboBox_35_currentIndexChanged(int index);
    void on_comboBox_36_currentIndexChanged(int index);
    void on_comboBox_37_currentIndexChanged(int index);
    void on_comboBox_38_currentIndexChanged(int index);
    void on_comboBox_39_currentIndexChanged(int index);
    void on_comboBox_40_currentIndexChanged(int index);
    void on_comboBox_41_currentIndexChanged(int index);
    void on_comboBox_42_currentIndexChanged(int index);
    void on_comboBox_43_currentIndexChanged(int index);
    void on_comboBox_44_currentIndexChanged(int index);
    void on_comboBox_45_currentIndexChanged(int index);

private:
    static const Field_Map<FIVE_TONE_FORM, Ui_FIVE_TONE_FORM>& Fields();
    void FillComboLists();
    void Set_Line_Edit_Validators();
    // Selects `index` in the panel's selector once the page holds data.
    void Follow_Standard(int index);
    // Shows standard `index` in the panel; any other index leaves it alone.
    void Show_Standard(int index);
    void Clear_Panel();

    std::unique_ptr<Ui_FIVE_TONE_FORM> ui;
    Page_Frame m_frame;
    QStringList STANDARD_StringList;
    QStringList PTT_ID_TYPE_StringList;
    QStringList Five_Tone_Standard_Table[Five_Tone_Standard_Count];
    QStringList SIDE_TONE_StringList;
    QStringList DELAY_TIME_StringList;
    QStringList PAUSE_CODE_TIME_StringList;
    QStringList PTT_ID_PAUSE_StringList;
    QStringList ANI_DISPLAY_StringList;
    QStringList DECODE_RESPONSE_StringList;
    QStringList AUTO_RESET_TIME_StringList;
    QStringList INFO_CODE_FUNCTION_StringList;
    // False until the first decode has filled the widgets, and while a decode
    // runs: the standard selectors then leave the panel alone.
    bool Page_Data_Ready = false;

    std::array<QLineEdit*, Five_Tone_Standard_Columns> m_panelEdits{};
};
