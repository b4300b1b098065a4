#include "ui/layout.h"

#include "dictionary/resource.h"

static int dpi = BASEDPI;

int scaled(int pixels, int todpi)
{
    if (todpi <= 0) todpi = BASEDPI;
    long long product = static_cast<long long>(pixels) * todpi;
    long long half = product < 0 ? -BASEDPI / 2 : BASEDPI / 2;
    return static_cast<int>((product + half) / BASEDPI);
}

void setlayoutdpi(int screendpi)
{
    dpi = screendpi > 0 ? screendpi : BASEDPI;
}

int layoutdpi()
{
    return dpi;
}

static int px(int pixels)
{
    return scaled(pixels, dpi);
}

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
        place(d, IDC_MEANING, px(305), px(205), w - px(314), h - px(230));
        place(d, IDC_WORDLIST, px(8), px(72), px(290), h - px(82));
        place(d, IDC_RESULTS, px(280), px(30), w - px(605), px(200));
    } else if (sizetype == LAYOUT_RESTORED) {
        place(d, IDC_WORDLIST, px(8), px(72), px(290), px(125));
        place(d, IDC_MEANING, px(5), px(205), w - px(10), h - px(230));
        place(d, IDC_RESULTS, px(275), px(30), w - px(605), px(200));
    }

    for (const AnchoredControl &c : RIGHTANCHORED) tkmove(d, c.id, w - px(c.fromright), px(c.y));
    place(d, IDC_PREFIX, w - px(300), px(155), px(50), px(25));
    place(d, IDC_CONTAINS, w - px(250), px(155), px(50), px(25));
    place(d, IDC_SUFFIX, w - px(200), px(155), px(50), px(25));
    tkmove(d, IDC_SHOWGROUP, w - px(305), px(10));
}

// Never placed: where the template puts them.
static const int UNMOVED[] = {IDC_WORD,       IDC_SEARCH,    IDC_REVISION, IDC_WORDLABEL, IDC_LISTLABEL,
                              IDC_MEANINGLABEL, IDC_WORDCOUNT, IDC_ENTRYNO,  IDC_STATUS};

void minimumclient(Dialog d, int *width, int *height)
{
    // the "Show" group, the leftmost of what follows the right edge, stands
    // at W - 305 and keeps 5 clear of everything left of it
    int leftpart = px(8) + px(290);  // the word list's right edge, restored
    for (int id : UNMOVED) {
        int at[4];
        tkgetplace(d, id, at);
        if (at[0] + at[2] > leftpart) leftpart = at[0] + at[2];
    }
    int clear = leftpart + px(5) + px(305);
    int results = px(605) + px(100);  // the result list is W - 605 wide
    *width = clear > results ? clear : results;
    *height = px(230) + px(60);  // the meaning box is H - 230 high
}
