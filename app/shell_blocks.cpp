#include "app/shell_blocks.h"

#include "image/data_file_read_write.h"
#include "image/image_regions.h"

void Write_Shell_Fixed_Blocks(DATA_FILE_READ_WRITE* image)
{
    using namespace Image_Region;

    if (image->Holds(Vfo_Records_Addr, Vfo_Records_Size) && image->Holds(Vfo_Mirror_Addr, Vfo_Records_Size)) {
        QString vfo = image->Read_String_From_Ram_File(Vfo_Records_Addr, Vfo_Records_Size).toUpper();
        image->Write_String_To_Ram_File(Vfo_Mirror_Addr, vfo);
    }

    if (image->Holds(Work_Mode_Block_Addr, Work_Mode_Block_Size)) {
        static const int cleared[] = {5, 6, 10, 11, 12, 13, 14, 15, 16, 17, 23};
        for (int offset : cleared) {
            QString zero = QStringLiteral("00");
            image->Write_String_To_Ram_File(Work_Mode_Block_Addr + offset, zero);
        }
    }

    if (image->Holds(Ff_Fill_Block_Addr, Ff_Fill_Block_Size)) {
        QString fill(2 * Ff_Fill_Block_Size, QLatin1Char('F'));
        image->Write_String_To_Ram_File(Ff_Fill_Block_Addr, fill);
    }
}
