// The payload archive "data" that setup installs from.
//
//   offset 0    PayloadHeader, 200 bytes
//   offset 200  count of files, 32-bit little-endian signed
//   offset 204  for each file: a PayloadEntry of 56 bytes, then its bytes
//
// No trailer, nothing compressed.  Strings are 8-bit and end with a NUL
// inside their field.  The archive is never trusted: every count, size and
// name is checked against the archive's real length and the rules of
// safename before anything is shown or written.
#ifndef VANTREL_PAYLOAD_H
#define VANTREL_PAYLOAD_H

#include <cstddef>
#include <cstdint>

#include "common/y.h"  // LOCNSIZE

enum {
    NAMESIZE = 50,
    EXESIZE = 50,
    HEADERSIZE = 200,
    COUNTSIZE = 4,
    ENTRYSIZE = 56,
    ENTRYSIZEOFFSET = 52
};

struct PayloadHeader {
    char loc[LOCNSIZE];   // default install folder
    char exe[EXESIZE];    // not read by setup
    char name[NAMESIZE];  // the program's name; empty for none
};

struct PayloadEntry {
    char name[NAMESIZE];  // file name inside the install folder
    char unused[2];
    int32_t size;         // bytes that follow the entry
};

static_assert(sizeof(PayloadHeader) == HEADERSIZE, "the header is 200 bytes");
static_assert(sizeof(PayloadEntry) == ENTRYSIZE, "an entry is 56 bytes");

extern PayloadHeader def;  // the header last read
extern PayloadEntry spec;  // the entry last read

enum PayloadProblem {
    PAYLOADSOUND = 0,
    PAYLOADMISSING,     // cannot be opened
    PAYLOADUNREADABLE,  // a read failed or the length cannot be told
    PAYLOADSHORTHEADER, // ends inside the header or the count
    PAYLOADBADCOUNT,    // negative, or more entries than bytes to hold them
    PAYLOADSHORTENTRY,  // ends inside an entry
    PAYLOADBADSIZE,     // negative, or more bytes than the archive has left
    PAYLOADBADNAME,     // empty, unterminated, or would leave the install folder
    PAYLOADTWICE        // two entries name one file, as the file system compares names
};

struct PayloadCheck {
    PayloadProblem problem;
    int entry;            // 1-based entry at fault (of two that name one file, the later), 0 for the header or count
    long long offset;     // where in the archive
    int count;            // number of files, when the count was sound
    long long length;     // the archive's length
    long long trailing;   // bytes after the last file
};

// Decoding and encoding of the fixed records.  Decoding always leaves every
// string field terminated inside its field; entryterminated tells whether the
// name had its own NUL.
void decodeheader(const unsigned char *bytes, PayloadHeader *header);
void encodeheader(const PayloadHeader *header, unsigned char *bytes);
bool decodeentry(const unsigned char *bytes, PayloadEntry *entry);
void encodeentry(const PayloadEntry *entry, unsigned char *bytes);
int32_t decodeint(const unsigned char *bytes);
void encodeint(int32_t value, unsigned char *bytes);

// Reads the first 200 bytes of archive into header.  1 on success; on a
// failure the header is all zero and the result is 0.
int readheader(const char *archive, PayloadHeader *header);

// Walks the whole archive and checks every record against its length.  1 when
// it can be installed as it is; otherwise 0 and check says what is wrong.
// Bytes after the last file are counted in check->trailing but are no fault.
int checkpayload(const char *archive, PayloadCheck *check);
const char *payloadproblemtext(PayloadProblem problem);

// Reads the next count bytes of from, a piece of at most PIECESIZE bytes at a
// time, and hands each piece to step with context; false when a read falls
// short or step returns false.
struct SetupFile;
enum { PIECESIZE = 8192 };
typedef bool (*PieceStep)(const unsigned char *piece, size_t size, void *context);
bool eachpiece(SetupFile *from, long long count, PieceStep step, void *context);
// Copies exactly count bytes through a buffer; false on a short read or write.
bool copybytes(SetupFile *from, SetupFile *to, long long count);

#endif
