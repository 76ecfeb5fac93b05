#pragma once

#include <QByteArrayView>

#include <cstdint>

// Every byte of the EXIF data is read through these two. Positions are 64-bit
// so that base + offset from a corrupt 32-bit field can never wrap; a byte
// outside the data (also before its start) counts as 0 but still uses up its
// place value.

// The n-byte unsigned integer at `position`; exact up to 2^53.
double ReadUnsigned(QByteArrayView data, int64_t position, int n, bool littleEndian);
// The n-byte two's-complement integer at `position`.
double ReadSigned(QByteArrayView data, int64_t position, int n, bool littleEndian);
