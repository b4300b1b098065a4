// The words the benchmark's glossaries are made of: harbour and seafaring
// terms for the headwords, and the plain words that meanings are written in.
#ifndef VANTREL_BENCH_VOCABULARY_H
#define VANTREL_BENCH_VOCABULARY_H

extern const char *const TERMS[];       // nouns a headword ends in
extern const int TERMCOUNT;
extern const char *const MODIFIERS[];   // words put before a term
extern const int MODIFIERCOUNT;
extern const char *const PROSE[];       // the common words of a meaning
extern const int PROSECOUNT;

#endif
