// TIFF and the RAW files built on it (DNG, CR2, NEF ...), RAF.
#include "FuzzReader.h"

FOTLEX_FUZZ_TARGET(FuzzReader(input))
