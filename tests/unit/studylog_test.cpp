// The study log: damaged lines passed over, the rest read as written.
#include <gtest/gtest.h>

#include "dictionary/studydate.h"
#include "dictionary/studylog.h"
#include "tests/support/scratch.h"
#include "tests/support/testtoday.h"

using StudyLog = ScratchTest;
using std::string;

static void keep(const StudyLine &line, void *lines)
{
    char date[DATESIZE];
    writedate(line.day, date);
    *static_cast<string *>(lines) += string(date) + "|" + line.word + "|" + std::to_string(line.level) + "|" +
                                     (line.knew ? KNEWTEXT : NOTYETTEXT) + "\n";
}

TEST_F(StudyLog, ALineThatDoesNotReadAsOneIsPassedOverAndTheRestAreRead)
{
    const string w99(99, 'w');
    writewholefile(STUDYLOG, "2026-12-09\tberth\t114\tknew\r\n2026-02-30\tberth\t114\tknew\r\n2026-12-9\tberth\t114\tknew\r\n"
                             "2026-12-09\t\t114\tknew\r\n2026-12-09\tberth\t113\tknew\r\n2026-12-09\tberth\t3\tforgot\r\n"
                             "2026-12-09\tberth\t3\r\n\r\n" + string("2026-12-09\tbe\0th\t3\tknew\r\n", 25) +
                             "2026-12-09\tdry\tdock\t3\tnot yet\n" + string(400, 'x') + "\tknew\r\n2026-12-10\t" + w99 +
                             "\t116\tknew\r\n2026-12-10\t" + w99 + "w\t116\tknew\r\n2026-12-11\tcaf\xe9\t115\tknew");
    string lines;
    EXPECT_TRUE(readstudylog(STUDYLOG, keep, &lines));
    EXPECT_EQ(lines, "2026-12-09|berth|114|knew\n2026-12-09|dry\tdock|3|not yet\n2026-12-10|" + w99 +
                         "|116|knew\n2026-12-11|caf\xe9|115|knew\n");
}

TEST_F(StudyLog, AnAppendIsOneWholeLineAfterALastLineLeftWithoutItsEnd)
{
    writewholefile(STUDYLOG, "2026-12-09\tqu");
    ASSERT_TRUE(appendstudyline(STUDYLOG, dayof(2027, 1, 1), "quay", 3, false));
    EXPECT_EQ(readwholefile(STUDYLOG), "2026-12-09\tqu\r\n2027-01-01\tquay\t3\tnot yet\r\n");
}
