#include "metadata/JpegPreviews.h"
#include "metadata/clsEXIF.h"

#include <cstdlib>

// Each input is read as the content of a photo, in memory: the JPEG walk, the
// directory walk, every value text, the summary, and the fast EXIF time,
// which must equal the full parse's; then the search for the embedded
// previews, and the frame of each that lies in the input.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView file(data, qsizetype(size));
    clsEXIF reader;
    reader.setImageBytes(file);
    (void)reader.ListInfo();
    QString text;
    (void)reader.MetaInfo(33437, text);
    (void)reader.Summary();
    if (clsEXIF::ExifTimeOfBytes(file) != reader.ExifTime())
        std::abort();
    for (const EmbeddedJpeg &preview : ReadJpegLayout(file).previews) {
        if (preview.offset + preview.length <= file.size())
            (void)ReadJpegFrame(file.sliced(preview.offset, preview.length));
    }
    return 0;
}
