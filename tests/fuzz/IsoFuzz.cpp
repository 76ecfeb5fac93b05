// ISO boxes: HEIF and AVIF items, CR3's Canon boxes.
#include "FuzzReader.h"

FOTLEX_FUZZ_TARGET(FuzzReader(input))
