// A store read ahead in blocks of its own, for a C runtime whose stream
// buffer would copy every byte a second time and whose seek throws that
// buffer away (msvcrt): the parts of a record that a scan wants are copied
// out of the block, and the parts it passes over are passed by moving on in
// the block, so a scan costs about one plain read of the store.  The stream
// itself is then unbuffered, and it stands ahead of the reader by what the
// block still holds.
#ifndef VANTREL_READAHEAD_H
#define VANTREL_READAHEAD_H

#include <cstddef>
#include <cstdio>

const size_t READAHEADSIZE = 262144;  // 32 records a read: few calls into the system

struct ReadAhead {
    char block[READAHEADSIZE];
    size_t next;  // the next byte to hand over
    size_t end;   // the bytes the block holds
};

void startahead(ReadAhead *ahead);
// As fread: the bytes handed over, fewer only at the end or on an error.
size_t readahead(ReadAhead *ahead, FILE *stream, void *buffer, size_t size);
// Moves the reader size bytes on; false when the stream could not follow.
bool skipahead(ReadAhead *ahead, FILE *stream, size_t size);
// Puts the stream where the reader is and empties the block, before the
// stream is moved or written; false when it could not be moved back.
bool dropahead(ReadAhead *ahead, FILE *stream);

#endif
