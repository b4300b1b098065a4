// Rebuilding the store from the text source, from the menu.
#include <cstring>
#include <filesystem>

#include "dictionary/rebuild.h"
#include "tests/scenarios/scenario.h"

using std::string;
using std::vector;

class Rebuild : public DialogTest {
protected:
    // Starts on the harbour glossary with this text source beside it.
    void startwithsource(const string &source)
    {
        writestore(harbourglossary());
        writewholefile(SOURCEFILE, source);
        start();
    }

    // Chooses the rebuild and answers Yes to its question.
    void rebuildanswering(int command = IDM_REBUILD)
    {
        answernext(ANSWER_YES);
        usermenu(dialog, command);
    }
};

static const char TWOENTRIES[] =
    "Anchor marvoc\nA heavy hook.\nIt holds a vessel.\nberth marvoc\nA ship's place.\nAlso a bunk.\n";

static size_t storedcount()
{
    return readwholefile(STOREFILE).size() / RECORDSIZE;
}

static bool newstoreleftbehind()
{
    return std::filesystem::exists(NEWSTOREFILE);
}

TEST_F(Rebuild, TwoHeadwordsGiveExactlyTwoClearedRecordsUnmarkedAtLevelThree)
{
    startwithsource(TWOENTRIES);
    usertype(dialog, IDC_WORD, "berth");
    rebuildanswering();

    ASSERT_EQ(shownmessages().size(), 2u);
    EXPECT_EQ(shownmessages()[0].text, QUESTION);
    EXPECT_EQ(shownmessages()[0].caption, "Are you sure");
    EXPECT_EQ(shownmessages()[0].style, BOX_YESNO | BOX_ICONEXCLAMATION | BOX_DEFBUTTON2);
    EXPECT_EQ(shownmessages()[1].text, DONE);
    EXPECT_EQ(shownmessages()[1].caption, "ERROR");
    EXPECT_EQ(shownmessages()[1].style, BOX_OK);

    string expected = storebytes({{"Anchor", "A heavy hook.\r\nIt holds a vessel.\r\n", 0, LevelVeryHard},
                               {"berth", "A ship's place.\r\nAlso a bunk.\r\n", 0, LevelVeryHard}});
    EXPECT_EQ(readwholefile(STOREFILE).size(), 2u * RECORDSIZE);
    EXPECT_TRUE(readwholefile(STOREFILE) == expected) << "every byte of both records as written";
    EXPECT_FALSE(newstoreleftbehind());
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), (vector<string>{"Anchor", "berth"}));
}

TEST_F(Rebuild, ListsEveryNewWordUnfilteredAtVeryHardAndLeavesMeaningAndCountsAlone)
{
    startwithsource(TWOENTRIES);
    userclick(dialog, IDC_SHOW_HARD);  // writes the counts
    usertype(dialog, IDC_WORD, "berth");
    string meaning = textof(dialog, IDC_MEANING);
    rebuildanswering();
    EXPECT_EQ(textof(dialog, IDC_STATUS), "38");
    EXPECT_EQ(textof(dialog, IDC_WORDCOUNT), "32");
    EXPECT_EQ(textof(dialog, IDC_MEANING), meaning);
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), (vector<string>{"Anchor", "berth"}))
        << "the rebuilt list applies no filter";
    EXPECT_TRUE(tkischecked(dialog, IDC_SHOW_HARD)) << "the settings keep their state";
    for (const char *word : {"anchor", "berth"}) {
        usertype(dialog, IDC_WORD, word);
        EXPECT_EQ(checkedlevels(dialog), vector<int>{IDC_LEVEL_VERYHARD}) << word;
        EXPECT_EQ(textof(dialog, IDC_REVISION), "Mark for &revision") << word;
    }
    EXPECT_EQ(textof(dialog, IDC_ENTRYNO), "2") << "entries keep the order of the source";
}

struct RebuildCommand {
    int id;
    const char *question;
};
static const RebuildCommand COMMANDS[] = {{IDM_REBUILD, QUESTION}, {IDM_REBUILDKEEPING, KEEPQUESTION}};

TEST_F(Rebuild, AnsweringNoLeavesTheStoreByteForByteAndTheListAsTheyWere)
{
    writestore(harbourglossary());
    writewholefile(SOURCEFILE, TWOENTRIES);
    string before = readwholefile(STOREFILE);
    start();
    vector<string> listed = listitems(dialog, IDC_WORDLIST);
    for (const RebuildCommand &command : COMMANDS) {
        clearmessages();
        answernext(ANSWER_NO);
        usermenu(dialog, command.id);
        EXPECT_EQ(messagetexts(), (vector<string>{"Are you sure: " + string(command.question),
                                                  "ERROR: No change was made in any file"}));
        EXPECT_EQ(shownmessages()[0].style, BOX_YESNO | BOX_ICONEXCLAMATION | BOX_DEFBUTTON2);
        EXPECT_TRUE(readwholefile(STOREFILE) == before);
        EXPECT_EQ(listitems(dialog, IDC_WORDLIST), listed);
    }
}

TEST_F(Rebuild, TheMarkerAnywhereMakesAHeadwordAndABlankLineStaysInTheMeaning)
{
    startwithsource("quay marvoc\nA landing.\n\nAlong the water.\nsee also marvoc entries\nmarvoc\nno word\n");
    rebuildanswering();
    ASSERT_EQ(storedcount(), 3u);
    EXPECT_STREQ(storedrecord(1).meaning, "A landing.\r\n\r\nAlong the water.\r\n");
    EXPECT_STREQ(storedrecord(2).word, "see also marvoc e") << "a meaning line with the marker is a headword";
    EXPECT_STREQ(storedrecord(3).word, "") << "the marker alone gives an empty word";
    EXPECT_STREQ(storedrecord(3).meaning, "no word\r\n");
}

// The lines before the first headword once went into the entry buffer as the
// last operation had left it and came out as a record of their own.
TEST_F(Rebuild, LinesBeforeTheFirstHeadwordNeverMakeARecordFromAStaleEntryBuffer)
{
    startwithsource("A glossary of the harbour.\n\nanchor marvoc\nA hook.\n");
    usertype(dialog, IDC_WORD, "quay");
    userclick(dialog, IDC_SEARCH);  // the search leaves the last record in the entry buffer
    rebuildanswering();
    string expected = storebytes({{"anchor", "A hook.\r\n", 0, LevelVeryHard}});
    EXPECT_TRUE(readwholefile(STOREFILE) == expected);
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), vector<string>{"anchor"});
}

struct RefusedSource {
    const char *name;
    string source;
    bool present;  // false: no source file at all
    const char *message;
};

TEST_F(Rebuild, ASourceThatGivesNoEntryChangesNothingAndSaysSo)
{
    const RefusedSource cases[] = {
        {"missing source", "", false, SOURCEMISSING},
        {"empty source", "", true, NOHEADWORD},
        {"no headword line", "A hook.\nA place.\n", true, NOHEADWORD},
        {"UTF-16 LE", string("\xFF\xFE", 2) + string("a\0 \0m\0a\0r\0v\0o\0c\0\n\0", 18), true, UTF16SAVED},
        {"UTF-16 BE", string("\xFE\xFF", 2) + string("\0a", 2), true, UTF16SAVED},
    };
    for (const RebuildCommand &command : COMMANDS) for (const RefusedSource &c : cases) {
        writestore(harbourglossary());
        std::filesystem::remove(SOURCEFILE);
        if (c.present) writewholefile(SOURCEFILE, c.source);
        string before = readwholefile(STOREFILE);
        start();
        vector<string> listed = listitems(dialog, IDC_WORDLIST);
        clearmessages();
        rebuildanswering(command.id);
        EXPECT_EQ(messagetexts(), (vector<string>{"Are you sure: " + string(command.question), errortext(c.message)}))
            << c.name;
        EXPECT_TRUE(readwholefile(STOREFILE) == before) << c.name << ": the store is as it was";
        EXPECT_EQ(listitems(dialog, IDC_WORDLIST), listed) << c.name << ": the list is as it was";
        EXPECT_FALSE(newstoreleftbehind()) << c.name;
    }
}

struct Carried {
    const char *name;
    vector<TestEntry> old;
    const char *source;
    vector<string> study;  // "word mark level" of each entry of the new store
    string told;           // after "Rebuilding done!" and the count of entries that kept one
};

// The rebuild that keeps marks and levels: each new entry takes those of the
// old entry with the same headword, byte for byte, the n-th of a headword
// the n-th old one's; the list and both counts are of the new store.
TEST_F(Rebuild, KeepingMarksAndLevelsCarriesEachToTheSameHeadwordAndNamesWhatIsLost)
{
    vector<TestEntry> twelve = {{"keep", "", RevisionMark, 3}};
    for (int i = 1; i <= 12; ++i) twelve.push_back({"w" + std::to_string(100 + i), "", 0, LevelHard});
    const Carried rows[] = {
        {"re-ordered", {{"anchor", "", RevisionMark, LevelHard}, {"berth", "", 0, LevelVeryEasy}, {"quay", "", 0, 3}},
         "quay marvoc\nx\nanchor marvoc\nberth marvoc\n", {"quay 0 3", "anchor 148 114", "berth 0 116"}, ": 2"},
        {"renamed and removed", {{"Anchor", "", RevisionMark, 3}, {"berth", "", 0, LevelUnknown}, {"quay", "", 0, LevelVeryEasy}},
         "anchor marvoc\nquay marvoc\n", {"anchor 0 3", "quay 0 116"}, string(": 1") + LOST + "\n\tAnchor\n\tberth"},
        {"duplicated", {{"harbour", "", RevisionMark, LevelHard}, {"harbour", "", 0, LevelVeryEasy}, {"mole", "", 0, 3}},
         "harbour marvoc\nharbour marvoc\nharbour marvoc\nmole marvoc\n",
         {"harbour 148 114", "harbour 0 116", "harbour 0 3", "mole 0 3"}, ": 2"},
        {"written once where it was twice", {{"harbour", "", 0, 3}, {"harbour", "", RevisionMark, LevelUnknown}},
         "harbour marvoc\n", {"harbour 0 3"}, string(": 0") + LOST + "\n\tharbour"},
        // they were once named in byte order, not as the learner met them
        {"lost, named in the old store's order", {{"zephyr", "", RevisionMark, 3}, {"anchor", "", 0, LevelHard}},
         "keep marvoc\n", {"keep 0 3"}, string(": 0") + LOST + "\n\tzephyr\n\tanchor"},
        {"twelve lost", twelve, "keep marvoc\n", {"keep 148 3"},
         string(": 1") + LOST + "\n\tw101\n\tw102\n\tw103\n\tw104\n\tw105\n\tw106\n\tw107\n\tw108\n\tw109\n\tw110\n\tand 2 more"},
    };
    for (const Carried &row : rows) {
        writestore(row.old);
        writewholefile(SOURCEFILE, row.source);
        start();
        rebuildanswering(IDM_REBUILDKEEPING);
        vector<string> study;
        for (size_t i = 1; i <= storedcount(); ++i) {
            DictEntry e = storedrecord((int)i);
            study.push_back(string(e.word) + " " + std::to_string(e.mark) + " " + std::to_string(e.level));
        }
        EXPECT_EQ(study, row.study) << row.name;
        EXPECT_EQ(messagetexts(), (vector<string>{"Are you sure: " + string(KEEPQUESTION),
                                                  "Rebuilding done: Rebuilding done!\n\nEntries that kept a revision "
                                                  "mark or a difficulty level" + row.told})) << row.name;
        string entries = std::to_string(row.study.size());
        EXPECT_EQ((vector<string>{std::to_string(listitems(dialog, IDC_WORDLIST).size()), textof(dialog, IDC_WORDCOUNT),
                                  textof(dialog, IDC_STATUS)}), vector<string>(3, entries))
            << row.name << ": the list, the word count and the status line are of the new store";
        closedialog(dialog);
        dialog = nullptr;
    }
}

TEST_F(Rebuild, AMissingStoreIsCreated)
{
    writewholefile(SOURCEFILE, TWOENTRIES);
    start();
    rebuildanswering();
    EXPECT_EQ(storedcount(), 2u);
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), (vector<string>{"Anchor", "berth"}));
    usertype(dialog, IDC_WORD, "anchor");
    EXPECT_EQ(textof(dialog, IDC_MEANING), "A heavy hook.\r\nIt holds a vessel.\r\n");
}

struct SourceBytes {
    const char *name;
    string source;
    vector<string> words;     // of the store, in its order
    vector<string> meanings;  // ANSI bytes as the store holds them (Windows-1252 here)
};

// A long meaning as a failure shows it: its start, its length and its end.
static string brief(const string &meaning)
{
    if (meaning.size() <= 80) return meaning;
    return meaning.substr(0, 20) + "...(" + std::to_string(meaning.size()) + ")..." + meaning.substr(meaning.size() - 6);
}

// The text source as today's editors save it.  Each row once went wrong: a
// Ctrl-Z ended the rebuild there under "Rebuilding done!", a UTF-8 source came
// out garbled with its byte-order mark in the first headword, a blank after
// the marker stayed in the word, and a CR LF source kept its CRs on Linux.
TEST_F(Rebuild, TheSourceGivesTheWordsAndMeaningsItsEditorShows)
{
    // 650 lines before the first headword, which belong to no entry, then
    // "w marvoc\n" and 526 x's: the next byte is the 65536th, the last of the
    // first 64 KB read
    string lead;
    for (int i = 0; i < 650; ++i) lead += string(99, 'p') + "\n";
    const string head = lead + "w marvoc\n", xs(526, 'x');
    const SourceBytes rows[] = {
        {"a Ctrl-Z is a byte of the meaning", "a marvoc\nx\x1Ay\nb marvoc\nz\n", {"a", "b"}, {"x\x1Ay\r\n", "z\r\n"}},
        {"CR LF is a line feed, a lone CR stays", "a marvoc\r\nx\ry\r\n\r\nb marvoc\r\nz", {"a", "b"},
         {"x\ry\r\n\r\n", "z"}},
        // such a source was once one entry whose headword was the whole file, under "Rebuilding done!"
        {"a lone CR ends each line of a source with no line feed", "anchor marvoc\rA heavy hook.\rberth marvoc\rA place.\r",
         {"anchor", "berth"}, {"A heavy hook.\r\n", "A place.\r\n"}},
        {"UTF-8 with its mark, lone CRs", "\xEF\xBB\xBF" "a marvoc\rcaf\xC3\xA9\r", {"a"}, {"caf\xE9\r\n"}},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" "abaft marvoc\ncaf\xC3\xA9 \xE2\x80\x93 na\xC3\xAFve\n", {"abaft"},
         {"caf\xE9 \x96 na\xEFve\r\n"}},
        {"UTF-8 without a mark", "caf\xC3\xA9 marvoc\n\xC5\x8D\xE2\x82\xAC\n", {"caf\xE9"}, {"?\x80\r\n"}},
        {"UTF-8 mark, then bytes that are no UTF-8", "\xEF\xBB\xBF" "a marvoc\nx\xE9y\n", {"a"}, {"x?y\r\n"}},
        // the host once differed from Windows in the next three, Windows itself in the fourth
        {"the five positions Windows-1252 leaves undefined", "a marvoc\n\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D\xC2\x80\n",
         {"a"}, {"\x81\x8D\x8F\x90\x9D?\r\n"}},
        {"a character past U+FFFF is one ? per UTF-16 unit", "a marvoc\n\xF0\x9F\x98\x80z\n", {"a"}, {"??z\r\n"}},
        {"bad UTF-8 is one ? per longest start of a sequence", "\xEF\xBB\xBF" "a marvoc\na\xF1\x80\x80\xE1\x80\xC2" "b\x80"
         "c\x80\xBF" "d\xC0\xAF\xF8\x88\x80\x80\x80\xE2\x82" "e\xFE\xFF\nx\xF0\x9F\x98", {"a"},
         {"a???b?c??d" + string(8, '?') + "e??\r\nx?"}},
        {"a character past U+FFFF, then stray bytes, at the 4096th byte", "\xEF\xBB\xBF" "w marvoc\n" +
         string(4082, 'x') + "\xF0\x90\x80\x80\x80\x80\n", {"w"}, {string(4082, 'x') + "????\r\n"}},
        {"ANSI with bytes above 127 that are no UTF-8", "caf\xE9 marvoc\n\xC3\xA9t\xE9\n", {"caf\xE9"},
         {"\xC3\xA9t\xE9\r\n"}},
        {"a mark alone", "\xEF\xBB\xBF", {}, {}},
        {"blanks after the marker", "scend marvoc \nx\nsend marvoc\t \r\ny\n marvoc  \nz\n",
         {"scend", "send", ""}, {"x\r\n", "y\r\n", "z\r\n"}},
        {"a character across the 64 KB read", head + xs + "\xC3\xA9\n", {"w"}, {xs + "\xE9\r\n"}},
        {"CR LF across the 64 KB read", head + xs + "\r\nq\n", {"w"}, {xs + "\r\nq\r\n"}},
    };
    for (const SourceBytes &row : rows) {
        startwithsource(row.source);
        rebuildanswering();
        vector<string> words, meanings;
        for (size_t i = 1; i <= storedcount(); ++i) {
            DictEntry entry = storedrecord((int)i);
            words.push_back(entry.word);
            meanings.push_back(brief(entry.meaning));
        }
        vector<string> expected;
        for (const string &m : row.meanings) expected.push_back(brief(m));
        if (!row.words.empty()) {
            EXPECT_EQ(words, row.words) << row.name;
            EXPECT_EQ(meanings, expected) << row.name;
            EXPECT_EQ(messagetexts().back(), errortext(DONE)) << row.name;
        } else {
            EXPECT_NE(messagetexts().back(), errortext(DONE)) << row.name;
        }
    }
}
