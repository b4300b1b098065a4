// Memory for the blocks whose size the input decides (the headwords of a
// store, the lines of an install record): malloc underneath, under plain C
// names, so that the tests can link a layer of their own in front of them
// (tests/support/filefaults.cpp, by the linker's --wrap) which makes the n-th
// one fail, as memory running short would.
#ifndef VANTREL_BLOCKS_H
#define VANTREL_BLOCKS_H

#include <cstddef>

extern "C" {

// A block of count items of size bytes each; null when memory runs short or
// the product does not fit in a size_t.
void *newblock(size_t count, size_t size);
void freeblock(void *block);
}

#endif
