// Text sources for the benchmark that read like a real trade glossary: one
// to three word headwords of harbour and seafaring terms, mostly in
// alphabetical order with later additions at the end, a few words that
// differ only in case; meanings of a few hundred bytes as a rule and some of
// several thousand, in lines of prose.
#ifndef VANTREL_BENCH_GLOSSARY_H
#define VANTREL_BENCH_GLOSSARY_H

#include "dictionary/dictentry.h"

struct Glossary {
    int entries;
    long long sourcebytes;
    char firstword[WORDSIZE];    // the headword of the first record
    char lastword[WORDSIZE];     // the headword of the last record, found nowhere before it
    char missingword[WORDSIZE];  // a word that no entry has
};

// Writes a source of entries headwords to path; the same seed gives the same
// bytes.  False when the file could not be written whole.
bool writeglossary(const char *path, int entries, unsigned seed, Glossary *glossary);

// Gives about one entry in ten the revision mark and spreads the levels over
// all five, as a store looks after some months of use.  False on a file fault.
bool markandgrade(const char *storepath, unsigned seed);

// A study log at path of one line for each entry of the store, marked or
// not, each last reviewed up to a month before today at the level it holds,
// as a log looks after some months of use.  False on a file fault.
bool writestudylog(const char *storepath, const char *path);

// All of the above, then the store compiled from the source in the working
// folder: "orlavexdic.txt", "dicbin.txt" and "studylog.txt", as the program
// finds them.
bool makeglossary(int entries, Glossary *glossary);

#endif
