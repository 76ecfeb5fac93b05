#include "metadata/JpegPreviews.h"
#include "metadata/EmbeddedPreview.h"
#include "metadata/ExifReader.h"

#include <cstdlib>

// Each input is read as the content of a photo, in memory: the container
// walks (JPEG, TIFF, RAF, PNG, HEIF, CR3, video), the directory walk, every
// value text, the summary, the fast EXIF time, which must equal the full
// parse's, the search for an embedded preview of a RAW or HEIF file, which
// must lie inside the input, and the JPEG's own previews with their frames.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView file(data, qsizetype(size));
    ExifReader reader;
    reader.setImageBytes(file);
    (void)reader.ListInfo();
    QString text;
    (void)reader.MetaInfo(33437, text);
    (void)reader.Summary();
    if (ExifReader::ExifTimeOfBytes(file) != reader.ExifTime())
        std::abort();
    for (const EmbeddedJpeg &preview : ReadJpegLayout(file).previews) {
        if (preview.offset + preview.length <= file.size())
            (void)ReadJpegFrame(file.sliced(preview.offset, preview.length));
    }
    const EmbeddedPreview preview = FindEmbeddedPreviewInMemory(file);
    if (preview.length > 0 && (preview.offset < 0 || preview.offset > file.size() - preview.length))
        std::abort();
    return 0;
}
