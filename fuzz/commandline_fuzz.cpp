// The command-line tail: any bytes as the raw command line, then the start of
// the main dialog (on the headless model) with that tail over a small store.
//
// The tail is the text after the program name and the spaces after it (or
// the whole line when its opening quote is never closed); "\NOCOUNT" in any
// case, and nothing else, suppresses the usage count; the start-up writes the
// tail into the word box whatever its length and looks it up.
#include <string>

#include "common/text.h"
#include "dictionary/resource.h"
#include "dictionary/store.h"
#include "fuzz/fuzzfolder.h"
#include "tests/headless.h"
#include "tests/registrymodel.h"
#include "tests/support/storebytes.h"
#include "ui/startup.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    enterscratch("commandline");
    std::string store;
    for (const char *word : {"anchor", "Harbour wall", "quay"})
        store += storebytes({{word, "a word of the harbour\r\n", 0, LevelVeryHard}});
    writebytes(STOREFILE, store.data(), store.size());
    return 0;
}

static std::string expectedtail(const std::string &line)
{
    size_t at = 0;
    if (!line.empty() && line[0] == '"') {
        size_t close = line.find('"', 1);
        if (close == std::string::npos) return line;
        at = close + 1;
    } else {
        at = line.find(' ');
        if (at == std::string::npos) return "";
    }
    while (at < line.size() && line[at] == ' ') ++at;
    return line.substr(at);
}

static bool expectednocount(const std::string &tail)
{
    if (tail.size() != 8) return false;
    for (size_t i = 0; i < 8; ++i) {
        if (lowerascii(tail[i]) != "\\nocount"[i]) return false;
    }
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::string line((const char *)data, size);
    line = line.substr(0, line.find('\0'));  // the platform hands over a C string
    const char *cmdline = line.c_str();
    const char *tail = commandtail(cmdline);
    REQUIRE(tail >= cmdline && tail <= cmdline + line.size(), "the tail lies inside the command line");
    REQUIRE(std::string(tail) == expectedtail(line), "the tail follows the name and its spaces");
    bool nocount = isnocount(tail);
    REQUIRE(nocount == expectednocount(tail), "only \\NOCOUNT in any case is the switch");

    resetregistry();
    Dialog d = headlesscreate();
    initdialog(d, tail);
    REQUIRE(findcontrol(d, IDC_WORD)->text == tail, "the word box holds the whole tail");
    REQUIRE(modelhaskey("Software\\Marvoc\\VanTrel") != nocount, "the start is counted unless the tail says not");
    headlessdestroy(d);
    return 0;
}
