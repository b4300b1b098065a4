#include <gtest/gtest.h>

#include "ui/startup.h"

struct TailCase {
    const char *cmdline;
    const char *tail;
};

TEST(CommandTail, IsTheTextAfterTheProgramNameAndItsSpaces)
{
    const TailCase cases[] = {
        {"vantrel.exe", ""},
        {"vantrel.exe ", ""},
        {"vantrel.exe harbour", "harbour"},
        {"\"C:\\Program Files\\Orlavex\\vantrel.exe\"   harbour wall", "harbour wall"},
        {"\"C:\\a b\\vantrel.exe\"", ""},
        {"\"C:\\a b\\vantrel.exe\"harbour", "harbour"},
        {"\"C:\\unclosed\\vantrel.exe harbour", "\"C:\\unclosed\\vantrel.exe harbour"},
        {"vantrel.exe\tharbour", ""},  // a tab belongs to the program name
        {"vantrel.exe \tharbour", "\tharbour"},
        {"vantrel.exe  two  words ", "two  words "},
        {"", ""},
    };
    for (const TailCase &c : cases) EXPECT_STREQ(commandtail(c.cmdline), c.tail) << c.cmdline;
}

TEST(NoCount, IsTheWholeTailInAnyCase)
{
    EXPECT_TRUE(isnocount("\\NOCOUNT"));
    EXPECT_TRUE(isnocount("\\nocount"));
    EXPECT_TRUE(isnocount("\\NoCount"));
    EXPECT_FALSE(isnocount("\\NOCOUNT harbour"));
    EXPECT_FALSE(isnocount("NOCOUNT"));
    EXPECT_FALSE(isnocount("\\NOCOUN"));
    EXPECT_FALSE(isnocount(""));
}
