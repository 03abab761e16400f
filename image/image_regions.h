#pragma once

// Where the regions of the radio's memory lie in the image (byte addresses).
namespace Image_Region {

constexpr int Image_Start = 0x8000;
constexpr int Image_End = 0x21000; // one past the last byte of a full image

constexpr int Channel_Record_Size = 48;
constexpr int Channel_Store_Addr = 0x8000;
constexpr int Memory_Channel_Count = 1000;
constexpr int Vfo_Channel_Count = 2;
constexpr int Call_Channel_Count = 2;
constexpr int Vfo_Records_Addr = Channel_Store_Addr + Memory_Channel_Count * Channel_Record_Size; // 0x13B80
constexpr int Vfo_Records_Size = Vfo_Channel_Count * Channel_Record_Size;                        // 96
constexpr int Vfo_Mirror_Addr = 0x13C40;
constexpr int Weather_Channel_Table_Addr = 0x13CA0;
constexpr int Weather_Channel_Table_Size = 10 * Channel_Record_Size;

constexpr int Fm_Channel_Table_Addr = 0x13E80;
constexpr int Fm_Channel_Table_Size = 32 * 32;
constexpr int Channel_Valid_Bitmap_Addr = 0x15000;
constexpr int Channel_Valid_Bitmap_Size = 128;
constexpr int Channel_Scan_Table_Addr = 0x15080;
constexpr int Channel_Scan_Table_Size = 256;
constexpr int Fm_Channel_Flags_Addr = 0x15180;
constexpr int Fm_Channel_Flags_Size = 8;
constexpr int Work_Mode_Block_Addr = 0x15300;
constexpr int Work_Mode_Block_Size = 256;
constexpr int Settings_Block_Addr = 0x15400;
constexpr int Settings_Block_Size = 256;
constexpr int Aprs_Block_Addr = 0x15500;
constexpr int Aprs_Block_Size = 1024;
constexpr int Dtmf_Block_Addr = 0x16000;
constexpr int Dtmf_Block_Size = 1024;
constexpr int Two_Tone_Block_Addr = 0x16800;
constexpr int Two_Tone_Block_Size = 512;
constexpr int Five_Tone_Block_Addr = 0x17000;
constexpr int Five_Tone_Block_Size = 2048;
constexpr int Ff_Fill_Block_Addr = 0x20000;
constexpr int Ff_Fill_Block_Size = 4096;

// A region as one value, for tables of the regions something needs.
struct Region
{
    int Addr;
    int Size;
};

constexpr Region Fm_Channel_Table_Region{Fm_Channel_Table_Addr, Fm_Channel_Table_Size};
constexpr Region Fm_Channel_Flags_Region{Fm_Channel_Flags_Addr, Fm_Channel_Flags_Size};
constexpr Region Work_Mode_Block_Region{Work_Mode_Block_Addr, Work_Mode_Block_Size};
constexpr Region Settings_Block_Region{Settings_Block_Addr, Settings_Block_Size};
constexpr Region Aprs_Block_Region{Aprs_Block_Addr, Aprs_Block_Size};
constexpr Region Dtmf_Block_Region{Dtmf_Block_Addr, Dtmf_Block_Size};
constexpr Region Two_Tone_Block_Region{Two_Tone_Block_Addr, Two_Tone_Block_Size};
constexpr Region Five_Tone_Block_Region{Five_Tone_Block_Addr, Five_Tone_Block_Size};

} // namespace Image_Region
