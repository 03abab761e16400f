#include "image/blank_image.h"

#include "image/image_line_format.h"
#include "image/image_regions.h"

namespace {
void Fill(QByteArray& bytes, int addr, int size, char value)
{
    bytes.replace(addr - Image_Region::Image_Start, size, QByteArray(size, value));
}
} // namespace

QByteArray Blank_Image_Bytes()
{
    using namespace Image_Region;
    QByteArray bytes(Image_End - Image_Start, char(0xFF));
    Fill(bytes, Channel_Valid_Bitmap_Addr, Channel_Valid_Bitmap_Size, 0x00);
    Fill(bytes, Channel_Scan_Table_Addr, Channel_Scan_Table_Size, 0x00);
    Fill(bytes, Fm_Channel_Flags_Addr, Fm_Channel_Flags_Size, 0x00);
    Fill(bytes, Work_Mode_Block_Addr, Work_Mode_Block_Size, 0x00);
    Fill(bytes, Settings_Block_Addr, Settings_Block_Size, 0x00);
    Fill(bytes, Aprs_Block_Addr, Aprs_Block_Size, 0x00);
    Fill(bytes, Dtmf_Block_Addr, Dtmf_Block_Size, 0x00);
    Fill(bytes, Two_Tone_Block_Addr, Two_Tone_Block_Size, 0x00);
    Fill(bytes, Five_Tone_Block_Addr, Five_Tone_Block_Size, 0x00);
    // The FM receiver mode byte stores its list index plus 5.
    bytes[Work_Mode_Block_Addr + 9 - Image_Start] = 0x05;
    return bytes;
}

QString Blank_Image_Text()
{
    return Format_Image_Text(Image_Region::Image_Start, Blank_Image_Bytes(), 64);
}
