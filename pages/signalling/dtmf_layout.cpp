#include "pages/signalling/dtmf_layout.h"

#include "pages/signalling/code_text.h"

namespace {

QVector<Dtmf_Field> Make_Fields()
{
    using namespace Dtmf_Layout;
    const auto Index = Dtmf_Field_Kind::Index_Byte;
    const auto Code = Dtmf_Field_Kind::Code_Text;

    QVector<Dtmf_Field> fields = {
        {"lineEdit_3", Own_Id_Offset, Own_Id_Size, Code},
        {"comboBox_2", 0x00A, 1, Index},  // separator
        {"comboBox_3", 0x00B, 1, Index},  // group call code
        {"comboBox_13", 0x00C, 1, Index}, // dialer type
        {"comboBox_7", 0x014, 1, Index},  // side tone while sending
        {"comboBox_1", 0x015, 1, Index},  // DTMF send time
        {"comboBox_6", 0x016, 1, Index},  // first digit time
        {"comboBox_8", 0x017, 1, Index},  // pre-carrier time
        {"comboBox_9", 0x018, 1, Index},  // delay after sending
        {"comboBox_11", 0x019, 1, Index}, // D code pause
        {"comboBox_10", 0x01A, 1, Index}, // PTT ID pause time
        {"comboBox_4", 0x01E, 1, Index},  // decode response
        {"comboBox_5", 0x01F, 1, Index},  // automatic reset time
        {"comboBox_12", 0x020, 1, Index}, // ANI display
        {"lineEdit_6", Kill_Code_Offset, Code_Slot_Size, Code},
        {"lineEdit_7", Stun_Code_Offset, Code_Slot_Size, Code},
        {"lineEdit_8", Wake_Code_Offset, Code_Slot_Size, Code},
    };

    static const char* const Memory_Edits[Code_Memory_Count] = {
        "lineEdit_40", "lineEdit_41", "lineEdit_42", "lineEdit_43", "lineEdit_44", "lineEdit_45",
        "lineEdit_46", "lineEdit_47", "lineEdit_48", "lineEdit_49", "lineEdit_50", "lineEdit_51",
        "lineEdit_52", "lineEdit_53", "lineEdit_54", "lineEdit_55"};
    for (int k = 0; k < Code_Memory_Count; ++k)
        fields.append({Memory_Edits[k], Code_Memory_Offset + Code_Slot_Size * k, Code_Slot_Size, Code});

    // Row r: comboBox_(14+r), begin lineEdit_(56+2r), end lineEdit_(57+2r).
    static const char* const Ptt_Widgets[Ptt_Id_Row_Count][3] = {
        {"comboBox_14", "lineEdit_56", "lineEdit_57"}, {"comboBox_15", "lineEdit_58", "lineEdit_59"},
        {"comboBox_16", "lineEdit_60", "lineEdit_61"}, {"comboBox_17", "lineEdit_62", "lineEdit_63"},
        {"comboBox_18", "lineEdit_64", "lineEdit_65"}, {"comboBox_19", "lineEdit_66", "lineEdit_67"},
        {"comboBox_20", "lineEdit_68", "lineEdit_69"}, {"comboBox_21", "lineEdit_70", "lineEdit_71"}};
    for (int r = 0; r < Ptt_Id_Row_Count; ++r) {
        const int row = Ptt_Id_Offset + Ptt_Id_Row_Size * r;
        fields.append({Ptt_Widgets[r][0], row, 1, Index});
        fields.append({Ptt_Widgets[r][1], row + 1, Code_Slot_Size, Code});
        fields.append({Ptt_Widgets[r][2], row + 1 + Code_Slot_Size, Code_Slot_Size, Code});
    }
    return fields;
}

} // namespace

const QVector<Dtmf_Field>& Dtmf_Block_Fields()
{
    static const QVector<Dtmf_Field> fields = Make_Fields();
    return fields;
}

QString Dtmf_Code_Field_Rule(const QString& text)
{
    QString code = Ascii_Upper(text);
    code.replace(QLatin1Char('E'), QLatin1Char('*'));
    code.replace(QLatin1Char('F'), QLatin1Char('#'));
    return code;
}
