// The peak resident memory of the real program on a store of a given size.
#ifndef VANTREL_BENCH_MEMORY_H
#define VANTREL_BENCH_MEMORY_H

// Starts vantrel at path in the working folder (which holds the store), lets
// it fill its list, looks a word up, narrows the list, searches and scrolls,
// reads the process's peak working set and ends it.  Adds the figure; false
// when the program could not be started or driven.
bool benchmemory(const char *path, int entries);

#endif
