// The study log: damaged lines passed over, the rest read as written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary/studydate.h"
#include "dictionary/studylog.h"
#include "tests/support/scratch.h"
#include "tests/support/testtoday.h"

using StudyLog = ScratchTest;

static void keep(const StudyLine &line, void *lines)
{
    char date[DATESIZE];
    writedate(line.day, date);
    static_cast<std::vector<std::string> *>(lines)->push_back(std::string(date) + "|" + line.word + "|" +
                                                               std::to_string(line.level) + (line.knew ? "|knew" : "|not yet"));
}

TEST_F(StudyLog, ALineThatDoesNotReadAsOneIsPassedOverAndTheRestAreRead)
{
    writewholefile(STUDYLOG, "2026-12-09\tberth\t114\tknew\r\n"
                             "2026-02-30\tberth\t114\tknew\r\n2026-12-9\tberth\t114\tknew\r\n"
                             "2026-12-09\t\t114\tknew\r\n2026-12-09\tberth\t113\tknew\r\n"
                             "2026-12-09\tberth\t3\tforgot\r\n2026-12-09\tberth\t3\r\n\r\n" +
                             std::string("2026-12-09\tbe\0th\t3\tknew\r\n", 25) + "2026-12-09\tdry\tdock\t3\tnot yet\n" + std::string(400, 'x') + "\tknew\r\n"
                             "2026-12-10\t" + std::string(99, 'w') + "\t116\tknew\r\n"
                             "2026-12-10\t" + std::string(100, 'w') + "\t116\tknew\r\n"
                             "2026-12-11\tcaf\xe9\t115\tknew");
    std::vector<std::string> lines;
    EXPECT_TRUE(readstudylog(STUDYLOG, keep, &lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"2026-12-09|berth|114|knew", "2026-12-09|dry\tdock|3|not yet",
                                               "2026-12-10|" + std::string(99, 'w') + "|116|knew",
                                               "2026-12-11|caf\xe9|115|knew"}));
}

TEST_F(StudyLog, AnAppendIsOneWholeLineAfterALastLineLeftWithoutItsEnd)
{
    ASSERT_TRUE(appendstudyline(STUDYLOG, dayof(2026, 12, 9), "harbour wall", 114, true));
    writewholefile(STUDYLOG, readwholefile(STUDYLOG) + "2026-12-09\tqu");
    ASSERT_TRUE(appendstudyline(STUDYLOG, dayof(2027, 1, 1), "quay", 3, false));
    EXPECT_EQ(readwholefile(STUDYLOG), "2026-12-09\tharbour wall\t114\tknew\r\n2026-12-09\tqu\r\n2027-01-01\tquay\t3\tnot yet\r\n");
}
