#pragma once

class Block_Codec;
class DATA_FILE_READ_WRITE;

// The blocks the shell itself writes on every encode, after the pages: the
// two VFO records copied to their mirror, the work-mode bytes that must be
// clear (5, 6, 10-17, 23), and the 0xFF fill block. Each only where the
// image holds its addresses.
void Write_Shell_Fixed_Blocks(DATA_FILE_READ_WRITE* image);

// Those blocks as the codec that writes them.
const Block_Codec& Shell_Fixed_Blocks();
