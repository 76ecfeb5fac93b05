// PNG: its chunks, eXIf, raw profiles, XMP text.
#include "FuzzReader.h"

FOTLEX_FUZZ_TARGET(FuzzReader(input))
