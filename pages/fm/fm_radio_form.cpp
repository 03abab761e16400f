#include "pages/fm/fm_radio_form.h"
#include "ui_fm_radio_form.h"

#include "image/data_file_read_write.h"
#include "image/image_regions.h"
#include "pages/fm/fm_codec.h"
#include "widgets/field_validator.h"

#include <QDebug>
#include <QLineEdit>

using namespace Fm_Codec;
using namespace Image_Region;

namespace {

// Changes the text only when it differs, so a field that already holds the
// text keeps its cursor.
void Set_Text_If_Changed(QLineEdit* field, const QString& text)
{
    if (field->text() != text)
        field->setText(text);
}

bool Is_Channel(int channel)
{
    return channel >= 0 && channel < Channel_Count;
}

const QList<const char*>& On_Off_Texts()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("FM_RADIO_FORM", "关闭"),
        QT_TRANSLATE_NOOP("FM_RADIO_FORM", "打开"),
    };
    return texts;
}

const QList<const char*>& Mode_Texts()
{
    static const QList<const char*> texts = {
        QT_TRANSLATE_NOOP("FM_RADIO_FORM", "频率模式"),
        QT_TRANSLATE_NOOP("FM_RADIO_FORM", "信道模式"),
    };
    return texts;
}

// The VFO frequency; a stored frequency that is not valid shows the default one.
Byte_Kind<QLineEdit> Vfo_Frequency_Kind(const Ui_FM_RADIO_FORM&)
{
    return {[](QLineEdit* edit, QStringView hex) {
                const QString text = Frequency_Text_From_Hex(hex);
                edit->setText(text.isEmpty() ? Default_Frequency_Text() : text);
            },
            [](QLineEdit* edit, QStringView, int) { return Frequency_Hex(edit->text()); }};
}

} // namespace

// The receiver's bytes in the settings and work-mode blocks, then the
// channel table with its in-use flags (bytes 0-3: one bit per channel).
const Field_Map<FM_RADIO_FORM, Ui_FM_RADIO_FORM>& FM_RADIO_FORM::Fields()
{
    using Map = Field_Map<FM_RADIO_FORM, Ui_FM_RADIO_FORM>;
    using Ui = Ui_FM_RADIO_FORM;
    using Page = FM_RADIO_FORM;
    using namespace Image_Region;
    const char* const context = "FM_RADIO_FORM";
    static const Map map(
        {
            {&Page::ON_OFF_StringList, {context, On_Off_Texts}},
            {&Page::FM_MODE_StringList, {context, Mode_Texts}},
        },
        {
            Map::List_Row(Settings_Block_Region, On_Off_Byte.Offset, &Ui::comboBox_1, &Page::ON_OFF_StringList),
            Map::List_Row(Work_Mode_Block_Region, Mode_Byte.Offset, &Ui::comboBox_2, &Page::FM_MODE_StringList,
                          Mode_Byte_Offset),
            Map::Custom_Row(Work_Mode_Block_Region, Vfo_Frequency.Offset, Vfo_Frequency.Size, &Ui::lineEdit_65,
                            Vfo_Frequency_Kind),
        },
        {
            {{{Fm_Channel_Table_Region, 0, Fm_Channel_Table_Size},
              {Fm_Channel_Flags_Region, Channel_Flag_Bytes.Offset, Channel_Flag_Bytes.Size}},
             nullptr, nullptr, &Page::Decode_Channels, &Page::Encode_Channels,
             Map::Shown_In(&Ui::scrollArea)},
        });
    return map;
}

const Field_Layout& FM_RADIO_FORM::Layout()
{
    return Fields().Layout();
}

FM_RADIO_FORM::FM_RADIO_FORM(QWidget* parent, Page_Build build)
    : QWidget(parent)
    , ui(std::make_unique<Ui::FM_RADIO_FORM>())
    , m_frame(this, *ui, Fields())
{
    if (build == Page_Build::Now)
        Build_Page();
}

void FM_RADIO_FORM::Build_Page()
{
    m_frame.Build([this] {
        Bind_Channel_Fields();
        for (QLineEdit* name : m_nameFields) {
            // Any characters, as many as the name's 24 bytes of UTF-8 take.
            Apply_Field_Rule(name, Field_Rule(QString(), Field_Rule::Storage::Utf8, Record::Name.Size));
        }
    });
}

FM_RADIO_FORM::~FM_RADIO_FORM() = default;

void FM_RADIO_FORM::Bind_Channel_Fields()
{
    // Channel k: frequency field and name field.
    const struct {
        QLineEdit* Frequency;
        QLineEdit* Name;
    } channels[Channel_Count] = {
        {ui->lineEdit_2, ui->lineEdit},
        {ui->lineEdit_4, ui->lineEdit_3},
        {ui->lineEdit_6, ui->lineEdit_5},
        {ui->lineEdit_8, ui->lineEdit_7},
        {ui->lineEdit_10, ui->lineEdit_9},
        {ui->lineEdit_12, ui->lineEdit_11},
        {ui->lineEdit_14, ui->lineEdit_13},
        {ui->lineEdit_16, ui->lineEdit_15},
        {ui->lineEdit_18, ui->lineEdit_17},
        {ui->lineEdit_20, ui->lineEdit_19},
        {ui->lineEdit_22, ui->lineEdit_21},
        {ui->lineEdit_24, ui->lineEdit_23},
        {ui->lineEdit_26, ui->lineEdit_25},
        {ui->lineEdit_28, ui->lineEdit_27},
        {ui->lineEdit_30, ui->lineEdit_29},
        {ui->lineEdit_32, ui->lineEdit_31},
        {ui->lineEdit_34, ui->lineEdit_33},
        {ui->lineEdit_36, ui->lineEdit_35},
        {ui->lineEdit_38, ui->lineEdit_37},
        {ui->lineEdit_40, ui->lineEdit_39},
        {ui->lineEdit_42, ui->lineEdit_41},
        {ui->lineEdit_44, ui->lineEdit_43},
        {ui->lineEdit_46, ui->lineEdit_45},
        {ui->lineEdit_48, ui->lineEdit_47},
        {ui->lineEdit_50, ui->lineEdit_49},
        {ui->lineEdit_52, ui->lineEdit_51},
        {ui->lineEdit_54, ui->lineEdit_53},
        {ui->lineEdit_56, ui->lineEdit_55},
        {ui->lineEdit_58, ui->lineEdit_57},
        {ui->lineEdit_60, ui->lineEdit_59},
        {ui->lineEdit_62, ui->lineEdit_61},
        {ui->lineEdit_64, ui->lineEdit_63},
    };
    for (const auto& channel : channels) {
        m_frequencyFields.append(channel.Frequency);
        m_nameFields.append(channel.Name);
    }
}

void FM_RADIO_FORM::RetranslatePage()
{
    m_frame.Retranslate();
}

void FM_RADIO_FORM::FillComboLists()
{
    m_frame.Fill_Lists();
}

// ---- decoder and encoder -----------------------------------------------------

void FM_RADIO_FORM::Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "FM_RADIO_FORM::Set_Windows_Data_From_SP_Read";
    m_frame.Decode(*Read_Wirte_Temp_File);
}

void FM_RADIO_FORM::Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    qDebug() << "FM_RADIO_FORM::Get_Windows_Data_To_SP_Write";
    // A VFO frequency still being typed meets its editing rule first,
    // whether or not the image holds its block.
    on_lineEdit_65_editingFinished();
    m_frame.Encode(*Read_Wirte_Temp_File);
}

void FM_RADIO_FORM::Decode_Channels(const DATA_FILE_READ_WRITE& image)
{
    CHANNEL_USE_FLAG_LIST = image.Read_String_From_Ram_File(Fm_Channel_Flags_Addr, Fm_Channel_Flags_Size);
    qDebug().noquote() << "CHANNEL_USE_FLAG_LIST" << CHANNEL_USE_FLAG_LIST;
    // The channel decoder only reads the image.
    auto* readOnly = const_cast<DATA_FILE_READ_WRITE*>(&image);
    for (int k = 0; k < Channel_Count; ++k)
        Decoder_FM_Radio_One_CH(m_frequencyFields[k], m_nameFields[k], k, readOnly);
}

// Runs only when the image holds the whole table and the whole flag region:
// the channels and their flags travel together.
void FM_RADIO_FORM::Encode_Channels(DATA_FILE_READ_WRITE& image)
{
    CHANNEL_USE_FLAG_LIST = image.Read_String_From_Ram_File(Fm_Channel_Flags_Addr, Fm_Channel_Flags_Size);
    for (int k = 0; k < Channel_Count; ++k)
        Encoder_FM_Radio_One_CH(m_frequencyFields[k], m_nameFields[k], k, &image);
    // Bytes 4-7 of the flags go back as they were read.
    QString flags = CHANNEL_USE_FLAG_LIST;
    image.Write_String_To_Ram_File(Fm_Channel_Flags_Addr, flags);
}

void FM_RADIO_FORM::Decoder_FM_Radio_One_CH(QLineEdit* Freq_Line_Edit, QLineEdit* Name_Line_Eidit, int CH_Num,
                                            DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    Channel channel;
    if (Is_Channel(CH_Num) && Channel_In_Use(CHANNEL_USE_FLAG_LIST, CH_Num))
        channel = Decode_Record(Read_Wirte_Temp_File->Read_String_From_Ram_File(Channel_Record_Addr(CH_Num), Record::Size));
    Freq_Line_Edit->setText(channel.Frequency);
    Show_Stored_Text(Name_Line_Eidit, channel.Name);
}

void FM_RADIO_FORM::Encoder_FM_Radio_One_CH(QLineEdit* Freq_Line_Edit, QLineEdit* Name_Line_Eidit, int CH_Num,
                                            DATA_FILE_READ_WRITE* Read_Wirte_Temp_File)
{
    const int addr = Channel_Record_Addr(CH_Num);
    if (!Is_Channel(CH_Num) || CHANNEL_USE_FLAG_LIST.size() != 2 * Flag_Region_Size
        || Read_Wirte_Temp_File->Read_String_From_Ram_File(addr, Record::Size).isEmpty())
        return;

    // A frequency still being typed has not met the editing rule yet.
    QString frequency = Freq_Line_Edit->text();
    if (!frequency.isEmpty()) {
        frequency = Frequency_Rule(frequency);
        Set_Text_If_Changed(Freq_Line_Edit, frequency);
    }
    const bool inUse = !frequency.isEmpty();
    Set_Channel_In_Use(CHANNEL_USE_FLAG_LIST, CH_Num, inUse);

    QString record = Unused_Record();
    if (inUse) {
        if (Name_Line_Eidit->text().isEmpty())
            Name_Line_Eidit->setText(Default_Name(CH_Num));
        record = Encode_Record(frequency, Name_Line_Eidit->text());
    }
    Read_Wirte_Temp_File->Write_String_To_Ram_File(addr, record);
}

// ---- editing rules -------------------------------------------------------------

void FM_RADIO_FORM::Freq_lineEdit_editingFinished(QLineEdit* Freq_Line_Edit, QLineEdit* Name_Line_Edit, QString New_Name)
{
    QString frequency = Freq_Line_Edit->text();
    QString name = Name_Line_Edit->text();
    Frequency_Finished(frequency, name, New_Name);
    Set_Text_If_Changed(Freq_Line_Edit, frequency);
    Set_Text_If_Changed(Name_Line_Edit, name);
}

void FM_RADIO_FORM::Name_lineEdit_editingFinished(QLineEdit* Freq_Line_Edit, QLineEdit* Name_Line_Edit, QString /*New_Name*/)
{
    QString frequency = Freq_Line_Edit->text();
    QString name = Name_Line_Edit->text();
    Name_Finished(frequency, name);
    Set_Text_If_Changed(Freq_Line_Edit, frequency);
    Set_Text_If_Changed(Name_Line_Edit, name);
}

void FM_RADIO_FORM::Frequency_Row_Finished(int channel)
{
    Freq_lineEdit_editingFinished(m_frequencyFields[channel], m_nameFields[channel], Default_Name(channel));
}

void FM_RADIO_FORM::Name_Row_Finished(int channel)
{
    Name_lineEdit_editingFinished(m_frequencyFields[channel], m_nameFields[channel], Default_Name(channel));
}

void FM_RADIO_FORM::on_lineEdit_65_editingFinished()
{
    const QString text = ui->lineEdit_65->text();
    Set_Text_If_Changed(ui->lineEdit_65, text.isEmpty() ? Default_Frequency_Text() : Frequency_Rule(text));
}

// The per-field slots, connected by name: row k's frequency field is
// lineEdit_(2k+2), its name field lineEdit_(2k+1) (row 0: lineEdit).
void FM_RADIO_FORM::on_lineEdit_2_editingFinished()
{
    qDebug() << "on_lineEdit_2_editingFinished";
    Frequency_Row_Finished(0);
}

void FM_RADIO_FORM::on_lineEdit_editingFinished()
{
    Name_Row_Finished(0);
}

#define FM_ROW_SLOTS(row, nameNo, freqNo)                                                   \
    void FM_RADIO_FORM::on_lineEdit_##freqNo##_editingFinished() { Frequency_Row_Finished(row); } \
    void FM_RADIO_FORM::on_lineEdit_##nameNo##_editingFinished() { Name_Row_Finished(row); }

FM_ROW_SLOTS(1, 3, 4)
FM_ROW_SLOTS(2, 5, 6)
FM_ROW_SLOTS(3, 7, 8)
FM_ROW_SLOTS(4, 9, 10)
FM_ROW_SLOTS(5, 11, 12)
FM_ROW_SLOTS(6, 13, 14)
FM_ROW_SLOTS(7, 15, 16)
FM_ROW_SLOTS(8, 17, 18)
FM_ROW_SLOTS(9, 19, 20)
FM_ROW_SLOTS(10, 21, 22)
FM_ROW_SLOTS(11, 23, 24)
FM_ROW_SLOTS(12, 25, 26)
FM_ROW_SLOTS(13, 27, 28)
FM_ROW_SLOTS(14, 29, 30)
FM_ROW_SLOTS(15, 31, 32)
FM_ROW_SLOTS(16, 33, 34)
FM_ROW_SLOTS(17, 35, 36)
FM_ROW_SLOTS(18, 37, 38)
FM_ROW_SLOTS(19, 39, 40)
FM_ROW_SLOTS(20, 41, 42)
FM_ROW_SLOTS(21, 43, 44)
FM_ROW_SLOTS(22, 45, 46)
FM_ROW_SLOTS(23, 47, 48)
FM_ROW_SLOTS(24, 49, 50)
FM_ROW_SLOTS(25, 51, 52)
FM_ROW_SLOTS(26, 53, 54)
FM_ROW_SLOTS(27, 55, 56)
FM_ROW_SLOTS(28, 57, 58)
FM_ROW_SLOTS(29, 59, 60)
FM_ROW_SLOTS(30, 61, 62)
FM_ROW_SLOTS(31, 63, 64)
#undef FM_ROW_SLOTS
