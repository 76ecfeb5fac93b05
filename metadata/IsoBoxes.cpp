#include "metadata/IsoBoxes.h"

#include <algorithm>

void WalkBoxes(ByteSource &source, int64_t from, int64_t to, const std::function<bool(const IsoBox &)> &visit)
{
    to = std::min(to, source.size());
    int64_t pos = from;
    while (pos + 8 <= to) {
        const QByteArrayView head = source.at(pos, 32);
        if (head.size() < 8)
            return;
        IsoBox box;
        box.start = pos;
        box.type = uint32_t(ReadBigEndian(head, 4, 4));
        uint64_t size = ReadBigEndian(head, 0, 4);
        int64_t header = 8;
        if (size == 1) {
            if (head.size() < 16)
                return;
            size = ReadBigEndian(head, 8, 8);
            header = 16;
        } else if (size == 0) {
            size = uint64_t(to - pos);
        }
        if (box.type == FourCc("uuid")) {
            if (head.size() < header + 16)
                return;
            box.userType = head.sliced(header, 16).toByteArray();
            header += 16;
        }
        if (size < uint64_t(header) || size > uint64_t(to - pos))
            return;
        box.payload = pos + header;
        box.end = pos + int64_t(size);
        pos = box.end;
        if (!visit(box))
            return;
    }
}

std::vector<IsoBox> ReadBoxes(ByteSource &source, int64_t from, int64_t to)
{
    std::vector<IsoBox> boxes;
    WalkBoxes(source, from, to, [&boxes](const IsoBox &box) {
        boxes.push_back(box);
        return true;
    });
    return boxes;
}

std::vector<IsoBox> ReadChildren(ByteSource &source, const IsoBox &box, int64_t skip)
{
    return ReadBoxes(source, box.payload + skip, box.end);
}

std::optional<IsoBox> FindChild(ByteSource &source, const IsoBox &box, uint32_t type, int64_t skip)
{
    std::optional<IsoBox> found;
    WalkBoxes(source, box.payload + skip, box.end, [&](const IsoBox &child) {
        if (child.type == type)
            found = child;
        return !found;
    });
    return found;
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
