#include "metadata/ExifBytes.h"

#include "metadata/ByteSource.h"

#include <cmath>

namespace {

double byteAt(QByteArrayView data, int64_t position)
{
    if (position < 0 || position >= data.size())
        return 0;
    return static_cast<uint8_t>(data[position]);
}

}

double ReadUnsigned(QByteArrayView data, int64_t position, int n, bool littleEndian)
{
    if (n <= 7 && position >= 0 && n <= data.size() - position)
        return double(ReadInteger(data, position, n, littleEndian));
    double value = 0;
    double weight = 1;
    for (int k = 0; k < n; ++k) {
        const int64_t at = littleEndian ? position + k : position + n - 1 - k;
        value += byteAt(data, at) * weight;
        weight *= 256;
    }
    return value;
}

double ReadSigned(QByteArrayView data, int64_t position, int n, bool littleEndian)
{
    const double u = ReadUnsigned(data, position, n, littleEndian);
    const double range = std::ldexp(1.0, 8 * n);
    return u > range / 2 - 1 ? u - range : u;
}
