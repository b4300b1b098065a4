#include "ui/startup.h"

#include <cstring>

#include "common/text.h"
#include "common/y.h"
#include "dictionary/store.h"
#include "dictionary/wordlist.h"
#include "ui/layout.h"
#include "dictionary/resource.h"

bool isnocount(const char *tail)
{
    return sameword(tail, "\\nocount");
}

void countstart(const char *tail)
{
    if (isnocount(tail)) return;
    countusage("VanTrel");
}

static void setlimits(Dialog d)
{
    tklimittext(d, IDC_WORD, WORDSIZE - 1);
    tklimittext(d, IDC_MEANING, MEANINGSIZE - 1);
    tklimittext(d, IDC_PREFIX, 100);
    tklimittext(d, IDC_SUFFIX, 100);
}

void initdialog(Dialog d, const char *tail)
{
    countstart(tail);
    tkloadresources(d);
    setlimits(d);
    tksettitle(d, "Orlavex Dictionary");
    tkcheckradio(d, IDC_SHOW_UNKNOWN, IDC_SHOW_ALL, IDC_SHOW_ALL);
    fillwordlist(d);

    // A missing store was already reported by the fill; the window is still
    // finished so that it looks and behaves as after any other start.
    if (storefailsintegrity()) tkmessage(d, INTEGRITYFAILED, ERRORCAPTION, BOX_OK);

    tkenable(d, IDC_REVISION, false);
    tkenable(d, IDC_PREFIX, false);
    tkenable(d, IDC_SUFFIX, false);
    tksetfocus(d, IDC_WORD);
    tkenable(d, IDC_CONTAINS, false);
    tksettext(d, IDC_WORD, tail);  // looked up at once, nested
    layoutdialog(d, LAYOUT_RESTORED);
    tkseticon(d, IDI_WINDOW);
}
