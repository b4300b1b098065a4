#include "ui/listorder.h"

#include <algorithm>
#include <cstring>
#include <new>

// Items that compare equal form a group; the groups stand in the list in
// their sorted order, so an item's place is fixed but for its place among
// the members of its own group that were added before it.  That place is
// where the list box's search first lands inside the group, and the search
// path depends only on how many items stand before the group, how many are
// in it and how many the list holds: a running count per group (a Fenwick
// tree, for the items before a group) gives all three.

static int before(const int *tree, int group)
{
    int sum = 0;
    for (int i = group; i > 0; i -= i & -i) sum += tree[i];
    return sum;
}

static void countin(int *tree, int groups, int group)
{
    for (int i = group + 1; i <= groups; i += i & -i) ++tree[i];
}

// Where the halving search puts a new item into a list of total items whose
// own group stands at [first, first + size): the place inside the group.
static int placeingroup(int total, int first, int size)
{
    int low = 0, high = total - 1;
    while (low <= high) {
        int middle = (low + high) / 2;
        if (middle < first)
            low = middle + 1;
        else if (middle >= first + size)
            high = middle - 1;
        else
            return middle - first;  // lands on an equal item: takes its place
    }
    return 0;  // no equal item yet: the group's first
}

bool sortedaddorder(int count, ItemCompare compare, void *context, int *order)
{
    if (count <= 0) return true;
    int *memory = new (std::nothrow) int[(size_t)count * 5 + 1];
    if (memory == nullptr) return false;
    int *sorted = memory;             // item indexes in sorted order, equal ones by arrival
    int *group = sorted + count;      // the group of each item
    int *groupstart = group + count;  // where each group begins in the sorted order
    int *members = groupstart + count;  // members of each group added so far
    int *tree = members + count;      // count + 1 entries

    for (int i = 0; i < count; ++i) sorted[i] = i;
    std::stable_sort(sorted, sorted + count, [&](int a, int b) { return compare(a, b, context) < 0; });
    int groups = 0;
    for (int i = 0; i < count; ++i) {
        if (i == 0 || compare(sorted[i - 1], sorted[i], context) != 0) groupstart[groups++] = i;
        group[sorted[i]] = groups - 1;
    }
    memset(members, 0, sizeof(int) * (size_t)groups);
    memset(tree, 0, sizeof(int) * (size_t)(groups + 1));

    for (int item = 0; item < count; ++item) {
        int g = group[item];
        int size = members[g];
        int place = placeingroup(item, before(tree, g), size);
        int *slots = order + groupstart[g];
        memmove(slots + place + 1, slots + place, sizeof(int) * (size_t)(size - place));
        slots[place] = item;
        ++members[g];
        countin(tree, groups, g);
    }
    delete[] memory;
    return true;
}
