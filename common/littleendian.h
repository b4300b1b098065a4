// 32-bit integers as the archive and the registry store them: four bytes,
// the lowest first.
#ifndef VANTREL_LITTLEENDIAN_H
#define VANTREL_LITTLEENDIAN_H

#include <cstdint>

inline uint32_t decodele32(const unsigned char *bytes)
{
    return (uint32_t)bytes[0] | (uint32_t)bytes[1] << 8 | (uint32_t)bytes[2] << 16 | (uint32_t)bytes[3] << 24;
}

inline void encodele32(uint32_t value, unsigned char *bytes)
{
    for (int i = 0; i < 4; ++i) bytes[i] = (unsigned char)((value >> (8 * i)) & 0xFF);
}

#endif
