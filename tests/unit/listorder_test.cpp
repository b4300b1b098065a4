// The order of a sorted list worked out for all items at once must be the
// order that adding them one by one gives, equal items included: the list
// box is refilled that way, and the scenario tests read the list's order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/headless.h"
#include "ui/listorder.h"

using std::string;
using std::vector;

// The list box's own comparison, as the headless model keeps it.
static int compareitems(int a, int b, void *context)
{
    const vector<string> &items = *static_cast<const vector<string> *>(context);
    const string &x = items[(size_t)a], &y = items[(size_t)b];
    return sortsbefore(x, y) ? -1 : sortsbefore(y, x) ? 1 : 0;
}

// The list box's own way, as the headless model adds: halve until the place
// is found, or until an equal item is met, whose place the new one then takes.
static vector<string> addonebyone(const vector<string> &items)
{
    Dialog d = headlesscreate();
    for (const string &item : items) tklistadd(d, IDC_WORDLIST, item.c_str());
    vector<string> list = findcontrol(d, IDC_WORDLIST)->items;
    headlessdestroy(d);
    return list;
}

static vector<string> addatonce(const vector<string> &items)
{
    vector<int> order(items.size(), -1);
    EXPECT_TRUE(sortedaddorder((int)items.size(), compareitems, const_cast<vector<string> *>(&items),
                               order.data()));
    vector<string> list;
    for (int i : order) list.push_back(i >= 0 ? items[(size_t)i] : "(no item)");
    return list;
}

// Words from a few stems in random case, so that many are equal but for case.
static vector<string> randomwords(unsigned seed, int count, int stems)
{
    static const char *const STEMS[] = {"harbour", "quay", "berth", "mole", "pier", "dock", "buoy", "wharf"};
    vector<string> words;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        string word = STEMS[(seed >> 16) % (unsigned)stems];
        for (char &c : word) {
            seed = seed * 1103515245u + 12345u;
            if ((seed >> 16) % 3 == 0) c = (char)toupper((unsigned char)c);
        }
        words.push_back(word);
    }
    return words;
}

TEST(ListOrder, AddingAllAtOnceGivesTheOrderOfAddingOneByOne)
{
    struct Case {
        const char *what;
        vector<string> items;
    } cases[] = {
        {"no item", {}},
        {"one item", {"quay"}},
        {"distinct, in order", {"berth", "mole", "pier", "quay", "wharf"}},
        {"distinct, backwards", {"wharf", "quay", "pier", "mole", "berth"}},
        {"a later twin lists first", {"Harbour", "quay", "harbour"}},
        {"three twins", {"HARBOUR", "Harbour", "harbour", "berth"}},
        {"forty equal items", randomwords(7, 40, 1)},
        {"many equal in few groups", randomwords(11, 500, 3)},
        {"equal and distinct mixed", randomwords(13, 2000, 8)},
    };
    for (const Case &c : cases) EXPECT_EQ(addatonce(c.items), addonebyone(c.items)) << c.what;
}

TEST(ListOrder, RandomRefillsOfEveryLengthUpToTwoHundredAgreeWithOneByOne)
{
    for (int count = 0; count <= 200; ++count) {
        vector<string> items = randomwords(1000u + (unsigned)count, count, 1 + count % 8);
        ASSERT_EQ(addatonce(items), addonebyone(items)) << count << " items";
    }
}
