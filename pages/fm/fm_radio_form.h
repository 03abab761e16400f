#pragma once

#include "widgets/page_build.h"
#include "widgets/page_frame.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <memory>

class DATA_FILE_READ_WRITE;
class QLineEdit;
class Ui_FM_RADIO_FORM;

namespace Ui {
class FM_RADIO_FORM;
}

// The FM broadcast receiver page: 32 named channels with their in-use flags,
// the receiver's on/off switch, its mode and its VFO frequency.
class FM_RADIO_FORM : public QWidget
{
    Q_OBJECT
public:
    explicit FM_RADIO_FORM(QWidget* parent = nullptr, Page_Build build = Page_Build::Now);
    ~FM_RADIO_FORM() override;
    // Makes the page's widgets, once; a page made with Page_Build::Later has
    // none before.
    void Build_Page();
    bool Is_Built() const { return m_frame.Is_Built(); }
    // Where the page's bytes lie, from its field map; known before the page is built.
    static const Field_Layout& Layout();
    // The page's byte rows in map order; empty until the page is built.
    const QVector<Byte_Row>& Byte_Rows() const { return m_frame.Rows(); }

    // Fills the page from the image; a region the image does not hold shows
    // as empty (channels), first item (on/off), no item (mode), "90.4" (VFO).
    void Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    // Stores the page into the image; a region the image does not hold
    // wholly is left alone.
    void Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void RetranslatePage();

public slots:
    // Channel k's record and flag bit; called by the page encoder and decoder only.
    void Encoder_FM_Radio_One_CH(QLineEdit* Freq_Line_Edit, QLineEdit* Name_Line_Eidit, int CH_Num,
                                 DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void Decoder_FM_Radio_One_CH(QLineEdit* Freq_Line_Edit, QLineEdit* Name_Line_Eidit, int CH_Num,
                                 DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    // The pair rules of a channel row.
    void Freq_lineEdit_editingFinished(QLineEdit* Freq_Line_Edit, QLineEdit* Name_Line_Edit, QString New_Name);
    void Name_lineEdit_editingFinished(QLineEdit* Freq_Line_Edit, QLineEdit* Name_Line_Edit, QString New_Name);

private slots:
    // Frequency fields of rows 0 to 31.
    void on_lineEdit_2_editingFinished();
    void on_lineEdit_4_editingFinished();
    void on_lineEdit_6_editingFinished();
    void on_lineEdit_8_editingFinished();
    void on_lineEdit_10_editingFinished();
    void on_lineEdit_12_editingFinished();
    void on_lineEdit_14_editingFinished();
    void on_lineEdit_16_editingFinished();
    void on_lineEdit_18_editingFinished();
    void on_lineEdit_20_editingFinished();
    void on_lineEdit_22_editingFinished();
    void on_lineEdit_24_editingFinished();
    void on_lineEdit_26_editingFinished();
    void on_lineEdit_28_editingFinished();
    void on_lineEdit_30_editingFinished();
    void on_lineEdit_32_editingFinished();
    void on_lineEdit_34_editingFinished();
    void on_lineEdit_36_editingFinished();
    void on_lineEdit_38_editingFinished();
    void on_lineEdit_40_editingFinished();
    void on_lineEdit_42_editingFinished();
    void on_lineEdit_44_editingFinished();
    void on_lineEdit_46_editingFinished();
    void on_lineEdit_48_editingFinished();
    void on_lineEdit_50_editingFinished();
    void on_lineEdit_52_editingFinished();
    void on_lineEdit_54_editingFinished();
    void on_lineEdit_56_editingFinished();
    void on_lineEdit_58_editingFinished();
    void on_lineEdit_60_editingFinished();
    void on_lineEdit_62_editingFinished();
    void on_lineEdit_64_editingFinished();
    // Name fields of rows 0 to 31.
    void on_lineEdit_editingFinished();
    void on_lineEdit_3_editingFinished();
    void on_lineEdit_5_editingFinished();
    void on_lineEdit_7_editingFinished();
    void on_lineEdit_9_editingFinished();
    void on_lineEdit_11_editingFinished();
    void on_lineEdit_13_editingFinished();
    void on_lineEdit_15_editingFinished();
    void on_lineEdit_17_editingFinished();
    void on_lineEdit_19_editingFinished();
    void on_lineEdit_21_editingFinished();
    void on_lineEdit_23_editingFinished();
    void on_lineEdit_25_editingFinished();
    void on_lineEdit_27_editingFinished();
    void on_lineEdit_29_editingFinished();
    void on_lineEdit_31_editingFinished();
    void on_lineEdit_33_editingFinished();
    void on_lineEdit_35_editingFinished();
    void on_lineEdit_37_editingFinished();
    void on_lineEdit_39_editingFinished();
    void on_lineEdit_41_editingFinished();
    void on_lineEdit_43_editingFinished();
    void on_lineEdit_45_editingFinished();
    void on_lineEdit_47_editingFinished();
    void on_lineEdit_49_editingFinished();
    void on_lineEdit_51_editingFinished();
    void on_lineEdit_53_editingFinished();
    void on_lineEdit_55_editingFinished();
    void on_lineEdit_57_editingFinished();
    void on_lineEdit_59_editingFinished();
    void on_lineEdit_61_editingFinished();
    void on_lineEdit_63_editingFinished();
    // The VFO frequency.
    void on_lineEdit_65_editingFinished();

private:
    static const Field_Map<FM_RADIO_FORM, Ui_FM_RADIO_FORM>& Fields();
    void FillComboLists();
    void Bind_Channel_Fields();
    // The channel table and its flags, through the per-channel pair.
    void Decode_Channels(const DATA_FILE_READ_WRITE& image);
    void Encode_Channels(DATA_FILE_READ_WRITE& image);
    void Frequency_Row_Finished(int channel);
    void Name_Row_Finished(int channel);

    std::unique_ptr<Ui::FM_RADIO_FORM> ui;
    Page_Frame m_frame;
    QStringList ON_OFF_StringList;
    QStringList FM_MODE_StringList;
    // The 16 digits of the in-use flag region as last read; the channel
    // encoder patches the bytes of channels 0-31 in it.
    QString CHANNEL_USE_FLAG_LIST;
    QVector<QLineEdit*> m_frequencyFields;
    QVector<QLineEdit*> m_nameFields;
};
