#pragma once

#include <QString>
#include <QVector>

// Byte layout of the DTMF block (1024 bytes at image address 0x16000) and the
// rule that brings a typed code to the DTMF digits the block stores. The
// decoder and the encoder of the DTMF page both walk Dtmf_Block_Fields().

namespace Dtmf_Layout {
constexpr int Block_Addr = 0x16000;
constexpr int Block_Size = 1024;

constexpr int Own_Id_Offset = 0x000;
constexpr int Own_Id_Size = 8;
constexpr int Code_Memory_Offset = 0x028;
constexpr int Code_Memory_Count = 16;
constexpr int Code_Slot_Size = 24;
constexpr int Ptt_Id_Offset = 0x1C2;
constexpr int Ptt_Id_Row_Count = 8;
constexpr int Ptt_Id_Row_Size = 1 + 2 * Code_Slot_Size; // type, begin code, end code
constexpr int Kill_Code_Offset = 0x384;
constexpr int Stun_Code_Offset = 0x39C;
constexpr int Wake_Code_Offset = 0x3B4;
} // namespace Dtmf_Layout

enum class Dtmf_Field_Kind {
    Index_Byte, // current index of a combo box, one byte
    Code_Text   // one byte per character, 0x00 to the end of the slot
};

struct Dtmf_Field
{
    const char* Widget; // objectName of the page's widget
    int Offset;         // byte offset in the block
    int Width;          // bytes
    Dtmf_Field_Kind Kind;
};

// Every field the page owns, in the order the page reads and writes them:
// own ID, the thirteen index bytes, kill, stun and wake codes, the 16 code
// memories, then the 8 PTT ID rows (type, begin code, end code). The bytes
// between the fields are not the page's and are written back as read.
const QVector<Dtmf_Field>& Dtmf_Block_Fields();

// The code-field rule: upper case, then every "E" becomes "*" and every "F"
// becomes "#". Nothing is removed and the length stays.
QString Dtmf_Code_Field_Rule(const QString& text);
