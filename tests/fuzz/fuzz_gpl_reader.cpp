// The input is a whole swatch file.
#include "exchange/gpl_reader.h"
#include "palette_fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return check_palette_reader(read_gpl, data, size); }
