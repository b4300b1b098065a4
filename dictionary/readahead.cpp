#include "dictionary/readahead.h"

#include <cstring>

void startahead(ReadAhead *ahead)
{
    ahead->next = 0;
    ahead->end = 0;
}

size_t readahead(ReadAhead *ahead, FILE *stream, void *buffer, size_t size)
{
    char *to = static_cast<char *>(buffer);
    size_t done = 0;
    while (done < size) {
        if (ahead->next == ahead->end) {
            // what is left wants a block or more: straight into the caller's memory
            if (size - done >= READAHEADSIZE) return done + fread(to + done, 1, size - done, stream);
            ahead->next = 0;
            ahead->end = fread(ahead->block, 1, READAHEADSIZE, stream);
            if (ahead->end == 0) break;
        }
        size_t part = ahead->end - ahead->next;
        if (part > size - done) part = size - done;
        memcpy(to + done, ahead->block + ahead->next, part);
        ahead->next += part;
        done += part;
    }
    return done;
}

bool skipahead(ReadAhead *ahead, FILE *stream, size_t size)
{
    size_t held = ahead->end - ahead->next;
    if (size <= held) {
        ahead->next += size;
        return true;
    }
    startahead(ahead);
    size -= held;
    return size <= 0x7fffffff && fseek(stream, static_cast<long>(size), SEEK_CUR) == 0;
}

bool dropahead(ReadAhead *ahead, FILE *stream)
{
    size_t held = ahead->end - ahead->next;
    startahead(ahead);
    return held == 0 || fseek(stream, -static_cast<long>(held), SEEK_CUR) == 0;
}
