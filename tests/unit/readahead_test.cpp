// Reading a store ahead in blocks of its own hands over the same bytes as
// plain reads of the stream, passes over bytes without losing its place, and
// gives the stream back exactly where the reader stands before a seek or a
// write.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "dictionary/readahead.h"
#include "tests/support/scratch.h"

using std::string;

using ReadAheadTest = ScratchTest;

// Bytes that tell their own position: byte i is i % 251.
static string numbered(size_t size)
{
    string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = (char)(i % 251);
    return bytes;
}

static FILE *openunbuffered(const char *path, const char *mode)
{
    FILE *stream = fopen(path, mode);
    if (stream) setvbuf(stream, nullptr, _IONBF, 0);
    return stream;
}

TEST_F(ReadAheadTest, ReadsAndSkipsHandOverTheBytesWhereverTheBlockEnds)
{
    const size_t total = 3 * READAHEADSIZE + 1000;
    string bytes = numbered(total);
    writewholefile("store", bytes);
    struct Step {
        const char *what;
        size_t skip;
        size_t read;
    } steps[] = {
        {"a word at the start", 0, 102},
        {"the rest of a record", 0, 8002},
        {"a level after a skip", 8000, 2},
        {"up to the block's end exactly", 0, READAHEADSIZE - 102 - 8002 - 8002},
        {"across into the next block", 50, 200},
        {"a skip past the whole next block", READAHEADSIZE + 10, 30},
        {"a read longer than a block", 0, READAHEADSIZE + 5},
    };
    FILE *stream = openunbuffered("store", "rb");
    ASSERT_NE(stream, nullptr);
    ReadAhead ahead;
    startahead(&ahead);
    size_t at = 0;
    for (const Step &s : steps) {
        ASSERT_TRUE(skipahead(&ahead, stream, s.skip)) << s.what;
        at += s.skip;
        string got(s.read, '\0');
        ASSERT_EQ(readahead(&ahead, stream, &got[0], s.read), s.read) << s.what;
        EXPECT_TRUE(got == bytes.substr(at, s.read)) << s.what;
        at += s.read;
    }
    string rest(2000, '\0');
    EXPECT_EQ(readahead(&ahead, stream, &rest[0], rest.size()), total - at) << "the end comes short";
    fclose(stream);
}

TEST_F(ReadAheadTest, TheStreamIsGivenBackWhereTheReaderStands)
{
    string bytes = numbered(2 * READAHEADSIZE);
    writewholefile("store", bytes);
    FILE *stream = openunbuffered("store", "rb+");
    ASSERT_NE(stream, nullptr);
    ReadAhead ahead;
    startahead(&ahead);
    string got(8104, '\0');
    ASSERT_EQ(readahead(&ahead, stream, &got[0], got.size()), got.size());
    ASSERT_TRUE(dropahead(&ahead, stream));
    EXPECT_EQ(ftell(stream), 8104L) << "not where the block ended";
    // an in-place rewrite: back to the record's level, two bytes written
    ASSERT_EQ(fseek(stream, -2, SEEK_CUR), 0);
    ASSERT_EQ(fwrite("ZZ", 1, 2, stream), 2u);
    fclose(stream);
    string after = bytes;
    after.replace(8102, 2, "ZZ");
    EXPECT_TRUE(readwholefile("store") == after) << "only the two bytes changed";
}
