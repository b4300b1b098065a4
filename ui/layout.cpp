#include "ui/layout.h"

#include "ui/resource.h"

// A computed width or height below zero shows as an empty control.
static int atleastzero(int size)
{
    return size < 0 ? 0 : size;
}

static void place(Dialog d, int id, int x, int y, int width, int height)
{
    tkplace(d, id, x, y, atleastzero(width), atleastzero(height));
}

struct AnchoredControl {
    int id;
    int fromright;  // x is W less this
    int y;
};

// Kept at their size, anchored to the right edge, in this order.
static const AnchoredControl RIGHTANCHORED[] = {
    {IDC_LEVEL_UNKNOWN, 105, 35}, {IDC_LEVEL_VERYHARD, 105, 60}, {IDC_LEVEL_HARD, 105, 85},
    {IDC_LEVEL_EASY, 105, 110},   {IDC_LEVEL_VERYEASY, 105, 135}, {IDC_LEVELGROUP, 110, 10},
    {IDC_SHOW_UNKNOWN, 300, 35},  {IDC_SHOW_HARD, 300, 60},       {IDC_SHOW_ALL, 300, 85},
    {IDC_MARKEDONLY, 300, 110},   {IDC_PREFIXON, 280, 135},       {IDC_CONTAINSON, 230, 135},
    {IDC_SUFFIXON, 180, 135},
};

void layoutdialog(Dialog d, int sizetype)
{
    tksettitle(d, sizetype == LAYOUT_MINIMISED ? "VanTrel" : "Orlavex Dictionary");
    int w = 0, h = 0;
    tkclientsize(d, &w, &h);

    if (sizetype == LAYOUT_MAXIMISED) {
        place(d, IDC_MEANING, 305, 205, w - 314, h - 230);
        place(d, IDC_WORDLIST, 8, 72, 290, h - 82);
        place(d, IDC_RESULTS, 280, 30, w - 605, 200);
    } else if (sizetype == LAYOUT_RESTORED) {
        place(d, IDC_WORDLIST, 8, 72, 290, 125);
        place(d, IDC_MEANING, 5, 205, w - 10, h - 230);
        place(d, IDC_RESULTS, 275, 30, w - 605, 200);
    }

    for (const AnchoredControl &c : RIGHTANCHORED) tkmove(d, c.id, w - c.fromright, c.y);
    place(d, IDC_PREFIX, w - 300, 155, 50, 25);
    place(d, IDC_CONTAINS, w - 250, 155, 50, 25);
    place(d, IDC_SUFFIX, w - 200, 155, 50, 25);
    tkmove(d, IDC_SHOWGROUP, w - 305, 10);
}
