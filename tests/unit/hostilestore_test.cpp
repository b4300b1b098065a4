// Stores and sources that the program never writes itself: words and
// meanings without their NUL, a partial record after the last whole one and
// NUL bytes in the source; and a store that goes away while the dialog is
// open.  Source lines at the 8000-byte bound are in compile_test.cpp, a store
// that becomes read-only in the revision and rebuild fault tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "dictionary/lookup.h"
#include "dictionary/rebuild.h"
#include "dictionary/levels.h"
#include "dictionary/revision.h"
#include "dictionary/search.h"
#include "dictionary/store.h"
#include "common/text.h"
#include "tests/headless.h"
#include "tests/support/scratch.h"
#include "dictionary/resource.h"
#include "ui/startup.h"

using std::string;
using std::vector;
using namespace std::string_literals;

using HostileStore = ScratchTest;


static Dialog started()
{
    Dialog d = headlesscreate();
    initdialog(d, "");
    return d;
}

static void search(Dialog d, const char *text)
{
    char query[QUERYSIZE];
    copytext(query, sizeof query, text);
    searchrelated(d, query, SearchAllWords);
}

TEST_F(HostileStore, WordsAndMeaningsWithoutTheirNulAreReadWithinTheirFieldsByEveryOperation)
{
    DictEntry hostile;
    memset(&hostile, 'Z', sizeof hostile);
    hostile.mark = 0;
    hostile.level = LevelHard;
    string bytes = recordbytes(hostile) + storebytes({{"berth", "A ship's place.", 0, LevelHard}});
    writewholefile(STOREFILE, bytes);
    const string word(WORDSIZE - 1, 'Z');

    Dialog d = started();
    EXPECT_EQ(findcontrol(d, IDC_WORDLIST)->items, (vector<string>{"berth", word})) << "the word ends at its field";

    tklistsetsel(d, IDC_WORDLIST, 1);
    lookupword(d, TRIGGER_GO);
    EXPECT_EQ(findcontrol(d, IDC_MEANING)->text, string(MEANINGSIZE - 1, 'Z')) << "the meaning ends at its field";

    search(d, "zz");
    const vector<string> &results = findcontrol(d, IDC_RESULTS)->items;
    EXPECT_NE(std::find(results.begin(), results.end(), string(WORDSIZE - 1, 'z')), results.end());

    togglemark(d, word.c_str());
    string after = readwholefile(STOREFILE);
    EXPECT_EQ(storedrecord(1).mark, RevisionMark);
    EXPECT_TRUE(sameoutsidefield(after, bytes, 1, offsetof(DictEntry, mark))) << "no NUL is written into the fields";

    findcontrol(d, IDC_WORD)->text = word;
    tkcheckradio(d, IDC_LEVEL_VERYHARD, IDC_LEVEL_UNKNOWN, IDC_LEVEL_EASY);
    setlevel(d);
    EXPECT_EQ(storedrecord(1).level, LevelEasy);
    EXPECT_TRUE(sameoutsidefield(readwholefile(STOREFILE), after, 1, offsetof(DictEntry, level)));
    EXPECT_TRUE(d->messages.empty());
    headlessdestroy(d);
}

// A store of 3 x 8104 + k bytes: the k bytes begin a record of "ghost".
TEST_F(HostileStore, APartialRecordAfterTheLastWholeOneIsNeverReadNorWritten)
{
    const size_t tails[] = {1, 2, 101, 102, 8101, 8103};
    for (size_t k : tails) {
        writestore({{"anchor", "A hook.", 0, LevelHard}, {"berth", "A place.", 0, LevelHard},
                    {"quay", "A landing.", 0, LevelHard}});
        string before = readwholefile(STOREFILE) + recordbytes(makeentry({"ghost", "A ghost.", 0, LevelHard})).substr(0, k);
        writewholefile(STOREFILE, before);
        SCOPED_TRACE("3 records and " + std::to_string(k) + " bytes");

        EXPECT_EQ(countrecords(RECORDSIZE, STOREFILE), 3);
        Dialog d = started();
        EXPECT_EQ(messagesof(d), vector<string>{INTEGRITYFAILED});
        EXPECT_EQ(findcontrol(d, IDC_WORDLIST)->items.size(), 3u);

        togglemark(d, "ghost");
        EXPECT_TRUE(readwholefile(STOREFILE) == before) << "the partial record is not toggled";
        findcontrol(d, IDC_REVISION)->text = "Mark for &revision";  // as the lookup of quay leaves it
        togglemark(d, "quay");
        EXPECT_TRUE(sameoutsidefield(readwholefile(STOREFILE), before, 3, offsetof(DictEntry, mark)))
            << "the last whole record changes, the partial one after it stays";
        EXPECT_EQ(storedrecord(3).mark, RevisionMark);

        search(d, "ghost");
        EXPECT_EQ(findcontrol(d, IDC_RESULTS)->items, vector<string>{"No Synonyms found for ghost"});
        headlessdestroy(d);
    }
}

// Rebuilds from source, answering Yes; returns the boxes shown after the question.
static vector<string> rebuildfrom(const string &source)
{
    writewholefile(SOURCEFILE, source);
    Dialog d = headlesscreate();
    d->answers.push_back(ANSWER_YES);
    rebuildstore(d);
    vector<string> shown = messagesof(d);
    headlessdestroy(d);
    shown.erase(shown.begin());
    return shown;
}

struct NulSource {
    const char *what;
    string source;
};

// A NUL byte once cut its line short: the rest of the line, its line feed
// and any marker in it vanished, so a headword was lost and its meaning
// glued to the entry before.
TEST_F(HostileStore, ASourceWithANulByteIsRefusedAndTheStoreKept)
{
    const NulSource rows[] = {
        {"a NUL in a meaning line", "anchor marvoc\nA\0hook\nberth marvoc\nA place.\n"s},
        {"a NUL before a marker", "anchor marvoc\nA hook.\nbe\0rth marvoc\nA place.\n"s},
        {"a NUL opening a line", "anchor marvoc\n\0\nberth marvoc\n"s},
        {"a NUL in the last line, once taken", "anchor marvoc\nA hook.\0tail"s},
        {"a NUL before a marker in the last line, once taken", "anchor marvoc\nA hook.\nbe\0rth marvoc"s},
        {"two bytes per character", "a\0n\0c\0h\0o\0r\0 \0m\0a\0r\0v\0o\0c\0\n\0"s},
    };
    for (const NulSource &row : rows) {
        writestore({{"harbour", "A haven.", RevisionMark, LevelEasy}});
        string before = readwholefile(STOREFILE);
        vector<string> shown = rebuildfrom(row.source);
        EXPECT_EQ(shown, vector<string>{SOURCEUNREADABLE}) << row.what;
        EXPECT_TRUE(readwholefile(STOREFILE) == before) << row.what;
    }
}

TEST_F(HostileStore, AStoreThatDisappearsWhileTheDialogIsOpenIsToldAndNotCreated)
{
    writestore({{"anchor", "A hook.", 0, LevelHard}, {"berth", "A place.", 0, LevelHard}});
    Dialog d = started();
    tksettext(d, IDC_WORD, "berth");
    ASSERT_EQ(findcontrol(d, IDC_MEANING)->text, "A place.");
    std::filesystem::remove(STOREFILE);

    tksettext(d, IDC_WORD, "anchor");
    EXPECT_EQ(findcontrol(d, IDC_MEANING)->text, "") << "typing finds nothing and says nothing";
    togglemark(d, "anchor");
    tkcheckradio(d, IDC_LEVEL_VERYHARD, IDC_LEVEL_UNKNOWN, IDC_LEVEL_EASY);
    setlevel(d);
    search(d, "hook");
    EXPECT_EQ(messagesof(d), vector<string>(3, STOREMISSING)) << "the toggle, the level and the search tell";
    EXPECT_FALSE(std::filesystem::exists(STOREFILE)) << "no empty store is made";
    headlessdestroy(d);
}
