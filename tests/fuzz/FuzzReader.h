#pragma once

#include "metadata/EmbeddedPreview.h"
#include "metadata/JpegPreviews.h"
#include "metadata/ExifReader.h"

#include <cstdlib>

// What every target asks of one input, read as the content of a file in
// memory: the container walk, the directory walk, every value text, the
// summary and the size; the fast capture time must equal the full parse's;
// an embedded preview of a RAW or HEIF file must lie inside the input.
inline void FuzzReader(QByteArrayView file)
{
    ExifReader reader;
    reader.setImageBytes(file);
    (void)reader.ListInfo();
    (void)reader.Summary();
    (void)reader.ImageSize();
    if (ExifReader::ExifTimeOfBytes(file) != reader.ExifTime())
        std::abort();
    const EmbeddedPreview preview = FindEmbeddedPreviewInMemory(file);
    if (preview.length > 0 && (preview.offset < 0 || preview.offset > file.size() - preview.length))
        std::abort();
}

#define FOTLEX_FUZZ_TARGET(body)                                                                                       \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)                                           \
    {                                                                                                                  \
        const QByteArrayView input(data, qsizetype(size));                                                             \
        body;                                                                                                          \
        return 0;                                                                                                      \
    }
