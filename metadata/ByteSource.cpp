#include "metadata/ByteSource.h"

#include "services/RegularFile.h"

#include <algorithm>

namespace {

constexpr int64_t kWindowSize = 4096;

}

ByteSource ByteSource::ofFile(int fd, int64_t size, QByteArray head)
{
    ByteSource source(fd, {}, size);
    if (!head.isEmpty()) {
        source.m_reads = 1;
        source.m_bytes = head.size();
        source.m_window = Window{std::move(head), 0};
    }
    return source;
}

ByteSource ByteSource::ofMemory(QByteArrayView file)
{
    return ByteSource(-1, file, file.size());
}

std::optional<QByteArray> ByteSource::read(int64_t pos, int64_t n)
{
    if (pos < 0 || n < 0 || pos >= m_size)
        return QByteArray();
    n = std::min({n, m_size - pos, kMaxBytes - m_bytes});
    if (m_reads >= kMaxReads || n <= 0)
        return std::nullopt;
    ++m_reads;
    m_bytes += n;
    if (m_fd < 0)
        return m_memory.sliced(pos, n).toByteArray();
    return ReadAt(m_fd, pos, n);
}

bool ByteSource::Window::holds(int64_t pos, int64_t n, int64_t fileSize) const
{
    const int64_t wanted = std::min(n, fileSize - pos);
    return pos >= start && wanted <= bytes.size() && pos - start <= bytes.size() - wanted;
}

QByteArrayView ByteSource::at(int64_t pos, int64_t n)
{
    if (pos < 0 || n <= 0 || pos >= m_size)
        return {};
    if (!m_window.holds(pos, n, m_size)) {
        if (m_previous.holds(pos, n, m_size)) {
            std::swap(m_window, m_previous);
        } else {
            auto bytes = read(pos, std::max(n, kWindowSize));
            if (!bytes)
                return {};
            m_previous = std::exchange(m_window, Window{std::move(*bytes), pos});
        }
    }
    const int64_t from = pos - m_window.start;
    return QByteArrayView(m_window.bytes).sliced(from, std::min<int64_t>(n, m_window.bytes.size() - from));
}

QByteArray ByteSource::take(int64_t pos, int64_t n)
{
    if (pos >= 0 && pos < m_size && n > 0 && (m_window.holds(pos, n, m_size) || m_previous.holds(pos, n, m_size)))
        return at(pos, n).toByteArray();
    return read(pos, n).value_or(QByteArray());
}

uint64_t ReadInteger(QByteArrayView bytes, int64_t pos, int n, bool littleEndian)
{
    uint64_t value = 0;
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
