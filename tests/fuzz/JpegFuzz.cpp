// JPEG: the segments, the EXIF and XMP segments, the frame; and what the
// preview loader reads of a JPEG's head: its thumbnail and MPF images.
#include "FuzzReader.h"

FOTLEX_FUZZ_TARGET({
    FuzzReader(input);
    for (const EmbeddedJpeg &preview : ReadJpegLayout(input).previews) {
        if (preview.offset + preview.length <= input.size())
            (void)ReadJpegFrame(input.sliced(preview.offset, preview.length));
    }
})
