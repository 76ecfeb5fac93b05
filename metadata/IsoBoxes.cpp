#include "metadata/IsoBoxes.h"

#include <algorithm>

namespace {

constexpr int kMaxBoxesPerLevel = 64;

}

std::vector<IsoBox> ReadBoxes(ByteSource &source, int64_t from, int64_t to)
{
    std::vector<IsoBox> boxes;
    to = std::min(to, source.size());
    int64_t pos = from;
    while (pos + 8 <= to && boxes.size() < kMaxBoxesPerLevel) {
        const QByteArrayView head = source.at(pos, 32);
        if (head.size() < 8)
            break;
        IsoBox box;
        box.start = pos;
        box.type = uint32_t(ReadBigEndian(head, 4, 4));
        uint64_t size = ReadBigEndian(head, 0, 4);
        int64_t header = 8;
        if (size == 1) {
            if (head.size() < 16)
                break;
            size = ReadBigEndian(head, 8, 8);
            header = 16;
        } else if (size == 0) {
            size = uint64_t(to - pos);
        }
        if (box.type == FourCc("uuid")) {
            if (head.size() < header + 16)
                break;
            box.userType = head.sliced(header, 16).toByteArray();
            header += 16;
        }
        if (size < uint64_t(header) || size > uint64_t(to - pos))
            break;
        box.payload = pos + header;
        box.end = pos + int64_t(size);
        box.head = head.first(std::min<int64_t>(head.size(), box.end - pos)).toByteArray();
        pos = box.end;
        boxes.push_back(std::move(box));
    }
    return boxes;
}

std::vector<IsoBox> ReadChildren(ByteSource &source, const IsoBox &box, int64_t skip)
{
    return ReadBoxes(source, box.payload + skip, box.end);
}

std::optional<IsoBox> FindBox(const std::vector<IsoBox> &boxes, uint32_t type)
{
    const auto it = std::find_if(boxes.begin(), boxes.end(), [type](const IsoBox &b) { return b.type == type; });
    if (it == boxes.end())
        return std::nullopt;
    return *it;
}

QByteArray BoxPayload(ByteSource &source, const IsoBox &box, int64_t limit)
{
    if (box.payloadSize() > limit)
        return {};
    return source.take(box.payload, box.payloadSize());
}

bool IsIsoMedia(QByteArrayView head)
{
    static constexpr uint32_t kTopLevel[] = {FourCc("ftyp"), FourCc("moov"), FourCc("mdat"),
                                             FourCc("wide"), FourCc("free"), FourCc("skip")};
    const auto type = uint32_t(ReadBigEndian(head, 4, 4));
    return head.size() >= 8 && std::find(std::begin(kTopLevel), std::end(kTopLevel), type) != std::end(kTopLevel);
}
