#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>

// The largest embedded JPEG preview of a file that Qt cannot decode itself
// (RAW, RAF, CR3, HEIF with a JPEG thumbnail item).
struct EmbeddedPreview
{
    int64_t offset = 0; // the JPEG's bytes in the file; length 0: none found
    int64_t length = 0;
    int32_t width = 0; // the preview's pixel size, 0 when unknown
    int32_t height = 0;
    bool isHeif = false; // a HEIF/AVIF file, which libheif may decode instead
};

// With the reader's budget of reads; a JPEG, PNG or other file gives none.
EmbeddedPreview FindEmbeddedPreview(const QString &path);
EmbeddedPreview FindEmbeddedPreviewInMemory(QByteArrayView file);
