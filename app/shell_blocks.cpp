#include "app/shell_blocks.h"

#include "image/data_file_read_write.h"
#include "image/image_regions.h"
#include "widgets/block_codec.h"

const Block_Codec& Shell_Fixed_Blocks()
{
    using namespace Image_Region;
    static const Block_Codec codec = [] {
        Block_Codec blocks;
        const Region records{Vfo_Records_Addr, Vfo_Records_Size};
        const Region mirror{Vfo_Mirror_Addr, Vfo_Records_Size};
        blocks.Add_Table({records, mirror}, {{mirror, 0, Vfo_Records_Size}}, {}, [](DATA_FILE_READ_WRITE& image) {
            QString vfo = image.Read_String_From_Ram_File(Vfo_Records_Addr, Vfo_Records_Size).toUpper();
            image.Write_String_To_Ram_File(Vfo_Mirror_Addr, vfo);
        });
        // The rest of the work-mode block goes back as it was read.
        blocks.Add_Rows(Work_Mode_Block_Region,
                        {Byte_Row::Fixed(5, QString(2 * 2, QLatin1Char('0'))),
                         Byte_Row::Fixed(10, QString(2 * 8, QLatin1Char('0'))),
                         Byte_Row::Fixed(23, QString(2 * 1, QLatin1Char('0')))},
                        Block_Codec::Digits::As_Read);
        blocks.Add_Rows({Ff_Fill_Block_Addr, Ff_Fill_Block_Size},
                        {Byte_Row::Fixed(0, QString(2 * Ff_Fill_Block_Size, QLatin1Char('F')))});
        return blocks;
    }();
    return codec;
}

void Write_Shell_Fixed_Blocks(DATA_FILE_READ_WRITE* image)
{
    Shell_Fixed_Blocks().Encode(*image);
}
