#include "tests/scenarios/scenario.h"

#include <algorithm>
#include <cstdio>

#include "dictionary/store.h"
#include "ui/layout.h"

std::vector<TestEntry> harbourglossary()
{
    std::vector<TestEntry> entries = {
        {"anchor", "A heavy hook that holds a vessel to the bottom.", 0, LevelHard},
        {"berth", "A ship's place at a quay.\r\nAlso a bunk.", RevisionMark, LevelVeryHard},
        {"bollard", "A short post on a quay for mooring lines.", 0, LevelEasy},
        {"dry dock", "A basin pumped dry to work on a hull.", 0, LevelUnknown},
        {"harbour", "Sheltered water where vessels lie.", 0, LevelVeryEasy},
        {"harbour wall", "The wall that shelters a harbour.", 0, LevelEasy},
        {"mooring", "A place or the lines that hold a vessel.", 0, 0},
        {"quay", "A landing place along the water.", 0, 999},
    };
    char word[16], meaning[40];
    for (int i = 1; i <= 30; ++i) {
        snprintf(word, sizeof word, "yawl %02d", i);
        snprintf(meaning, sizeof meaning, "Filler entry %d.", i);
        entries.push_back({word, meaning, 0, LevelVeryHard});
    }
    return entries;
}

Dialog DialogTest::start(const char *tail)
{
    if (dialog) closedialog(dialog);
    dialog = startdialog(tail);
    return dialog;
}

Dialog DialogTest::startonharbour(const char *tail)
{
    writestore(harbourglossary());
    return start(tail);
}

Dialog DialogTest::startonthreewords()
{
    writestore({{"harbour", "Sheltered water.", 0, LevelEasy},
                {"Harbour master", "Keeps the harbour.", 0, LevelHard},
                {"quay", "A landing place.", 0, LevelEasy}});
    start("");
    clearraised();
    return dialog;
}

void DialogTest::TearDown()
{
    if (dialog) closedialog(dialog);
    dialog = nullptr;
    ScratchTest::TearDown();
}

std::string textof(Dialog d, int id)
{
    char buffer[9000];
    tkgettext(d, id, buffer, sizeof buffer);
    return buffer;
}

// the text of item `index` of a list or a drop-down list
static std::string itemtext(Dialog d, int id, int index)
{
    char buffer[600];
    if (id == IDC_RESULTS)
        tkcombogettext(d, id, index, buffer, sizeof buffer);
    else
        tklistgettext(d, id, index, buffer, sizeof buffer);
    return buffer;
}

std::vector<std::string> listitems(Dialog d, int id)
{
    std::vector<std::string> items;
    int count = id == IDC_RESULTS ? tkcombocount(d, id) : tklistcount(d, id);
    for (int i = 0; i < count; ++i) items.push_back(itemtext(d, id, i));
    return items;
}

std::string selecteditem(Dialog d, int id)
{
    int index = id == IDC_RESULTS ? tkcombogetsel(d, id) : tklistgetsel(d, id);
    return index == NOITEM ? "(none)" : itemtext(d, id, index);
}

int indexof(Dialog d, const char *word)
{
    std::vector<std::string> listed = listitems(d, IDC_WORDLIST);
    return (int)(std::find(listed.begin(), listed.end(), word) - listed.begin());
}

std::string topitem(Dialog d, int id)
{
    char buffer[600];
    if (tklistgettext(d, id, tklistgettop(d, id), buffer, sizeof buffer) == NOITEM) return "(none)";
    return buffer;
}

std::vector<int> checkedlevels(Dialog d)
{
    std::vector<int> checked;
    for (int id : {IDC_LEVEL_VERYHARD, IDC_LEVEL_HARD, IDC_LEVEL_EASY, IDC_LEVEL_VERYEASY, IDC_LEVEL_UNKNOWN})
        if (tkischecked(d, id)) checked.push_back(id);
    return checked;
}

std::vector<std::string> messagetexts()
{
    std::vector<std::string> texts;
    for (const ShownMessage &m : shownmessages()) texts.push_back(m.caption + ": " + m.text);
    return texts;
}

std::string errortext(const char *text) { return std::string(ERRORCAPTION) + ": " + text; }
const std::string STOREMISSINGBOX = errortext(STOREMISSING);

void expectrestoredlayout(Dialog d)
{
    const int dpi = layoutdpi();
    auto px = [dpi](int figure) { return scaled(figure, dpi); };
    const int w = px(1000), h = px(600);
    usersize(d, w, h);
    int width = 0, height = 0;
    tkclientsize(d, &width, &height);
    ASSERT_EQ(std::vector<int>({width, height}), std::vector<int>({w, h}));
    EXPECT_EQ(placeof(d, IDC_WORDLIST), (std::vector<int>{px(8), px(72), px(290), px(125)}));
    EXPECT_EQ(placeof(d, IDC_MEANING), (std::vector<int>{px(5), px(205), w - px(10), h - px(230)}));
    // a drop-down list's own height is its closed height on the platform; the
    // height it is given is the height it may drop to
    std::vector<int> results = placeof(d, IDC_RESULTS);
    EXPECT_EQ(std::vector<int>(results.begin(), results.begin() + 3), (std::vector<int>{px(275), px(30), w - px(605)}));
    const int levels[] = {IDC_LEVEL_UNKNOWN, IDC_LEVEL_VERYHARD, IDC_LEVEL_HARD, IDC_LEVEL_EASY, IDC_LEVEL_VERYEASY};
    const int shows[] = {IDC_SHOW_UNKNOWN, IDC_SHOW_HARD, IDC_SHOW_ALL, IDC_MARKEDONLY};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(placeof(d, levels[i])[0], w - px(105)) << levels[i];
        EXPECT_EQ(placeof(d, levels[i])[1], px(35 + 25 * i)) << levels[i];
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(placeof(d, shows[i])[0], w - px(300)) << shows[i];
        EXPECT_EQ(placeof(d, shows[i])[1], px(35 + 25 * i)) << shows[i];
    }
    EXPECT_EQ(placeof(d, IDC_PREFIX), (std::vector<int>{w - px(300), px(155), px(50), px(25)}));
    EXPECT_EQ(placeof(d, IDC_CONTAINS), (std::vector<int>{w - px(250), px(155), px(50), px(25)}));
    EXPECT_EQ(placeof(d, IDC_SUFFIX), (std::vector<int>{w - px(200), px(155), px(50), px(25)}));
    EXPECT_EQ(placeof(d, IDC_SUFFIXON)[0], w - px(180));
    EXPECT_EQ(placeof(d, IDC_SHOWGROUP)[0], w - px(305));
    EXPECT_EQ(placeof(d, IDC_LEVELGROUP)[0], w - px(110));
}
