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

// What the "meta" box of a HEIF/AVIF file says about its items.
struct HeifMeta
{
    std::map<uint32_t, HeifItem> items; // by item id
    uint32_t primary = 0;
    std::optional<IsoBox> idat;
    std::map<uint32_t, uint32_t> thumbnailOf;                // thumbnail item id -> its master's id
    std::map<uint32_t, std::pair<uint32_t, uint32_t>> sizes; // item id -> "ispe" width, height
};

// `meta` is the top-level full box "meta".
HeifMeta ReadHeifMeta(ByteSource &source, const IsoBox &meta);
// The item's bytes, extents joined, at most `limit` of them.
QByteArray HeifItemData(ByteSource &source, const HeifMeta &meta, const HeifItem &item, int64_t limit);
