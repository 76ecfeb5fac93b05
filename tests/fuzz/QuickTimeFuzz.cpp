// QuickTime and MP4: the movie header, QuickTime's keys and items, the track headers.
#include "FuzzReader.h"

FOTLEX_FUZZ_TARGET(FuzzReader(input))
