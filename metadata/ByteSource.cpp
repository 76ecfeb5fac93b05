#include "metadata/ByteSource.h"

#include "services/RegularFile.h"

#include <algorithm>

ByteSource ByteSource::ofFile(int fd, int64_t size, QByteArray head)
{
    ByteSource source(fd, {}, size);
    if (!head.isEmpty()) {
        source.m_reads = 1;
        source.m_spent = head.size();
        source.m_window.owned = std::move(head);
        source.m_window.bytes = source.m_window.owned;
    }
    return source;
}

ByteSource ByteSource::ofMemory(QByteArrayView file)
{
    return ByteSource(-1, file, file.size());
}

void ByteSource::grant(int64_t bytes)
{
    const int64_t more = std::clamp<int64_t>(bytes, 0, kMaxGrant - m_granted);
    m_granted += more;
    m_budget += more;
}

std::optional<ByteSource::Window> ByteSource::read(int64_t pos, int64_t n)
{
    if (pos < 0 || n < 0 || pos >= m_size)
        return Window{};
    n = std::min({n, m_size - pos, m_budget - m_spent});
    if (n <= 0 || m_reads >= kMaxReads)
        return std::nullopt;
    ++m_reads;
    m_spent += n;
    if (m_fd < 0)
        return Window{{}, m_memory.sliced(pos, n), pos};
    auto bytes = ReadAt(m_fd, pos, n);
    if (!bytes)
        return std::nullopt;
    Window window{std::move(*bytes), {}, pos};
    window.bytes = window.owned;
    return window;
}

bool ByteSource::Window::holds(int64_t pos, int64_t n, int64_t fileSize) const
{
    const int64_t wanted = std::min(n, fileSize - pos);
    return pos >= start && wanted <= bytes.size() && pos - start <= bytes.size() - wanted;
}

const ByteSource::Window *ByteSource::holding(int64_t pos, int64_t n)
{
    if (m_window.holds(pos, n, m_size))
        return &m_window;
    if (m_previous.holds(pos, n, m_size)) {
        std::swap(m_window, m_previous);
        return &m_window;
    }
    return nullptr;
}

bool ByteSource::holds(int64_t pos, int64_t n) const
{
    return m_window.holds(pos, n, m_size) || m_previous.holds(pos, n, m_size);
}

bool ByteSource::load(int64_t pos, int64_t n)
{
    // Small parts lie dense: a walk that stepped less than kMinRead from its
    // last request reads many of their headers in one larger read. After a
    // long skip only the next header and what lies close behind it are read.
    const bool dense = pos > m_lastRequest && pos - m_lastRequest <= kMinRead;
    auto window = read(pos, std::max(n, dense ? kDenseRead : kMinRead));
    if (!window)
        return false;
    m_previous = std::exchange(m_window, std::move(*window));
    return true;
}

void ByteSource::prefetch(int64_t pos, int64_t n)
{
    if (pos >= 0 && n > 0 && pos < m_size && !holding(pos, n))
        load(pos, n);
}

QByteArrayView ByteSource::view(int64_t pos, int64_t n, int64_t extra)
{
    if (pos < 0 || n <= 0 || pos >= m_size || (!holding(pos, n) && !load(pos, n + extra)))
        return {};
    m_lastRequest = pos;
    const int64_t from = pos - m_window.start;
    return m_window.bytes.sliced(from, std::min<int64_t>(n, m_window.bytes.size() - from));
}

QByteArrayView ByteSource::at(int64_t pos, int64_t n)
{
    return view(pos, n, 0);
}

QByteArray ByteSource::take(int64_t pos, int64_t n)
{
    // The read also takes the headers that follow, for the walk that goes on.
    return view(pos, n, kMinRead).toByteArray();
}

uint64_t ReadInteger(QByteArrayView bytes, int64_t pos, int n, bool littleEndian)
{
    uint64_t value = 0;
    if (pos >= 0 && n <= bytes.size() - pos) {
        const auto *p = reinterpret_cast<const uint8_t *>(bytes.data()) + pos;
        for (int k = 0; k < n; ++k)
            value = (value << 8) | p[littleEndian ? n - 1 - k : k];
        return value;
    }
    for (int k = 0; k < n; ++k) {
        const int64_t i = littleEndian ? pos + n - 1 - k : pos + k;
        value = (value << 8) | (i >= 0 && i < bytes.size() ? uint8_t(bytes[i]) : 0u);
    }
    return value;
}

uint64_t ReadBigEndian(QByteArrayView bytes, int64_t pos, int n)
{
    return ReadInteger(bytes, pos, n, false);
}
