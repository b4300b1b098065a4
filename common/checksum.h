// The one checksum of the system's files: the 64-bit FNV-1a of their bytes,
// built up part by part; and, for texts compared in memory and never kept,
// one of a line's bytes that a 32-bit processor makes several times as fast.
#ifndef VANTREL_CHECKSUM_H
#define VANTREL_CHECKSUM_H

#include <cstddef>
#include <cstdint>

#include "common/littleendian.h"

const uint64_t CHECKSUMSTART = 14695981039346656037ull;

inline uint64_t checksumadd(uint64_t sum, const void *bytes, size_t count)
{
    const unsigned char *b = static_cast<const unsigned char *>(bytes);
    for (size_t i = 0; i < count; ++i) sum = (sum ^ b[i]) * 1099511628211ull;
    return sum;
}

inline uint32_t rotateleft(uint32_t x, int bits)
{
    return (x << bits) | (x >> (32 - bits));
}

inline uint32_t finishlane(uint32_t h)
{
    h ^= h >> 16;
    h *= 0x85ebca6bu;
    h ^= h >> 13;
    h *= 0xc2b2ae35u;
    return h ^ (h >> 16);
}

// Four bytes a step into two 32-bit lanes of different constants, each
// mixed as MurmurHash3 mixes, then finished and joined into 64 bits.
inline uint64_t linechecksum(const void *bytes, size_t count)
{
    const unsigned char *b = static_cast<const unsigned char *>(bytes);
    uint32_t one = 0x9747b28cu, two = 0x5bd1e995u;
    size_t at = 0;
    for (; at + 4 <= count; at += 4) {
        uint32_t word = decodele32(b + at);
        one = rotateleft(one ^ (rotateleft(word * 0xcc9e2d51u, 15) * 0x1b873593u), 13) * 5 + 0xe6546b64u;
        two = rotateleft(two ^ (rotateleft(word * 0x85ebca77u, 17) * 0xc2b2ae3du), 11) * 5 + 0x52dce729u;
    }
    uint32_t tail = 0;
    for (size_t i = 0; at + i < count; ++i) tail |= (uint32_t)b[at + i] << (8 * i);
    one ^= rotateleft(tail * 0xcc9e2d51u, 15) * 0x1b873593u;
    two ^= rotateleft(tail * 0x85ebca77u, 17) * 0xc2b2ae3du;
    return (uint64_t)finishlane(one ^ (uint32_t)count) << 32 | finishlane(two ^ (uint32_t)count);
}

// The checksum of lines one after another: each line's joined to those
// before it as FNV-1a joins a byte, a whole 64-bit word at a time.
inline uint64_t checksumjoin(uint64_t sum, uint64_t line)
{
    return (sum ^ line) * 0x9E3779B97F4A7C15ull;
}

#endif
