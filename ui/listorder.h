// The order in which a sorted list box ends up holding items added to it one
// after the other, worked out without adding them one by one.
//
// The list box finds the place of each new item by halving its items: it
// compares the new item with the middle one, goes on in the half where the
// new item belongs, and when the middle item compares equal (the same word
// but for case) the new item takes that item's place, in front of it.  So
// the order of equal items depends on the path of each search, which depends
// on how many items, and which, the list held at the time.  This works the
// same paths out from counts alone, for all items at once, in n log n steps
// instead of the n * n / 2 item moves of n one-by-one inserts.
#ifndef VANTREL_LISTORDER_H
#define VANTREL_LISTORDER_H

// Orders two items, given by their indexes in the order of adding:
// negative, 0 or positive, as the list box's own comparison would.
typedef int (*ItemCompare)(int a, int b, void *context);

// Writes to order[0 .. count - 1] the indexes of the items from the top of
// the list down.  False, with order untouched, when memory ran out.
bool sortedaddorder(int count, ItemCompare compare, void *context, int *order);

#endif
