// The one checksum of the system's files: the 64-bit FNV-1a of their bytes,
// built up part by part.
#ifndef VANTREL_CHECKSUM_H
#define VANTREL_CHECKSUM_H

#include <cstddef>
#include <cstdint>

const uint64_t CHECKSUMSTART = 14695981039346656037ull;

inline uint64_t checksumadd(uint64_t sum, const void *bytes, size_t count)
{
    const unsigned char *b = static_cast<const unsigned char *>(bytes);
    for (size_t i = 0; i < count; ++i) sum = (sum ^ b[i]) * 1099511628211ull;
    return sum;
}

#endif
