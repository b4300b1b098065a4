#include "common/blocks.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

void *newblock(size_t count, size_t size)
{
    if (size != 0 && count > SIZE_MAX / size) return nullptr;
    return malloc(count * size > 0 ? count * size : 1);
}

void freeblock(void *block)
{
    free(block);
}

bool growblock(void **block, size_t *room, size_t used, size_t needed, size_t first, size_t itemsize)
{
    if (*room - used >= needed) return true;
    size_t grown = *room == 0 ? first : *room;
    while (grown - used < needed) {
        if (grown > SIZE_MAX / 2 / itemsize) return false;
        grown *= 2;
    }
    void *bigger = newblock(grown, itemsize);
    if (bigger == nullptr) return false;
    if (used > 0) memcpy(bigger, *block, used * itemsize);
    freeblock(*block);
    *block = bigger;
    *room = grown;
    return true;
}

bool keeptext(char **block, size_t *room, size_t *used, const char *text, uint32_t *at)
{
    size_t length = strlen(text) + 1;
    if (*used + length > UINT32_MAX || !growitems(block, room, *used, length, 4096)) return false;
    memcpy(*block + *used, text, length);
    *at = (uint32_t)*used;
    *used += length;
    return true;
}
