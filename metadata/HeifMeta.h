#pragma once

#include "metadata/IsoBoxes.h"

#include <map>

// Where one item of a HEIF file lies: its extents, as file offsets, or as
// offsets into the meta box's "idat" when its construction method is 1.
struct HeifItem
{
    uint32_t type = 0;
    int method = 0;
    std::vector<std::pair<int64_t, int64_t>> extents; // offset, length (0: to the end)
};

// The item type given here to a "mime" item of XMP (application/rdf+xml).
inline constexpr uint32_t kHeifXmpItem = FourCc("xmp ");

// What the "meta" box of a HEIF/AVIF file says about the items the reader
// uses: the EXIF and XMP items, the JPEG items (thumbnails), and the primary
// item's size. A phone's photo is a grid of hundreds of tiles, each an item
// of its own, which are passed over.
struct HeifMeta
{
    std::map<uint32_t, HeifItem> items; // by item id
    uint32_t primary = 0;
    std::optional<IsoBox> idat;
    std::map<uint32_t, uint32_t> thumbnailOf; // thumbnail item id -> its master's id
    // The primary item's "ispe" width and height (for a grid the whole
    // image's), and its "irot" quarter turns.
    std::optional<std::pair<uint32_t, uint32_t>> primarySize;
    int primaryTurns = 0;
};

// `meta` is the top-level full box "meta". Its declared size is added to the
// source's budget, and it is read in one go.
HeifMeta ReadHeifMeta(ByteSource &source, const IsoBox &meta);
// The item's bytes, extents joined, at most `limit` of them.
QByteArray HeifItemData(ByteSource &source, const HeifMeta &meta, const HeifItem &item, int64_t limit);
