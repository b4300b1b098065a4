// The benchmark's three groups of figures for one glossary, each run in the
// working folder that holds its text source and its store.
#ifndef VANTREL_BENCH_OPERATIONS_H
#define VANTREL_BENCH_OPERATIONS_H

#include "bench/glossary.h"

// The lookup, the narrowing with each filter, the full fill, the related-word
// search, the toggle and the level change on the headless main dialog.
void benchdictionary(const Glossary &glossary, int runs, double plainms);

// The rebuild of the store from the text source, alone and as the command.
void benchrebuild(const Glossary &glossary, int runs);

// The setup archive's listing and extraction against a plain copy.
void benchsetup(const Glossary &glossary, int runs);

#endif
