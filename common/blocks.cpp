#include "common/blocks.h"

#include <cstdint>
#include <cstdlib>

void *newblock(size_t count, size_t size)
{
    if (size != 0 && count > SIZE_MAX / size) return nullptr;
    return malloc(count * size > 0 ? count * size : 1);
}

void freeblock(void *block)
{
    free(block);
}
