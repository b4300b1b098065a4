// Memory for the blocks whose size the input decides (the headwords of a
// store, the lines of an install record, the items of a list): malloc underneath, under plain C
// names, so that the tests can link a layer of their own in front of them
// (tests/support/filefaults.cpp, by the linker's --wrap) which makes the n-th
// one fail, as memory running short would.
#ifndef VANTREL_BLOCKS_H
#define VANTREL_BLOCKS_H

#include <cstddef>
#include <cstdint>

extern "C" {

// A block of count items of size bytes each; null when memory runs short or
// the product does not fit in a size_t.
void *newblock(size_t count, size_t size);
void freeblock(void *block);
}

// Makes room for needed more items of itemsize bytes after the used ones of
// *block, a block from newblock (or null) of *room items, which grows by
// doubling from first items; false, with the block as it was, when there is
// no memory for it.
bool growblock(void **block, size_t *room, size_t used, size_t needed, size_t first, size_t itemsize);

// Appends text and its NUL to *block, a block of texts of which used bytes
// of *room are taken, and gives where it begins in *at; false when the block
// would pass 4 GB (a place is 32 bits) or memory runs short.
bool keeptext(char **block, size_t *room, size_t *used, const char *text, uint32_t *at);

template <class T> bool growitems(T **items, size_t *room, size_t used, size_t needed, size_t first)
{
    void *block = *items;
    bool grown = growblock(&block, room, used, needed, first, sizeof(T));
    *items = static_cast<T *>(block);
    return grown;
}

#endif
