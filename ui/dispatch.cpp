#include "ui/dispatch.h"

#include "dictionary/lookup.h"
#include "dictionary/rebuild.h"
#include "dictionary/levels.h"
#include "dictionary/review.h"
#include "dictionary/revision.h"
#include "dictionary/search.h"
#include "dictionary/store.h"
#include "dictionary/wordlist.h"
#include "ui/help.h"
#include "dictionary/resource.h"

// Each command reads the word box afresh into a buffer of its own.
static void readwordbox(Dialog d, char *text)
{
    tkgettext(d, IDC_WORD, text, QUERYSIZE);
}

static void onwordbox(Dialog d)
{
    tksettext(d, IDC_MEANING, "");
    lookupword(d, TRIGGER_TYPING);
    char text[QUERYSIZE];
    readwordbox(d, text);
    tkcombosetsel(d, IDC_RESULTS, 0);
    // a pick in the word list, where the focus is, leaves the list where it stands
    positionwordlist(d, text, tkgetfocus(d) == IDC_WORD);
}

static void ongo(Dialog d)
{
    lookupword(d, TRIGGER_GO);
    char text[QUERYSIZE];
    readwordbox(d, text);
    positionwordlist(d, text, true);
}

static void onwordlist(Dialog d, int code)
{
    if (code == NOTIFY_SELCHANGE) {
        tksettext(d, IDC_STATUS, "");
        int selected = tklistgetsel(d, IDC_WORDLIST);
        char word[WORDSIZE] = "";
        if (selected != NOITEM) tklistgettext(d, IDC_WORDLIST, selected, word, sizeof word);
        tksettext(d, IDC_WORD, word);
    }
    if (code == NOTIFY_DBLCLK) {
        char text[QUERYSIZE];
        readwordbox(d, text);
        searchrelated(d, text, SearchListedWord);
    }
}

static void onsearchbutton(Dialog d)
{
    char text[QUERYSIZE];
    readwordbox(d, text);
    bool hasspace = false;
    for (const char *c = text; *c; ++c) hasspace = hasspace || *c == ' ';
    if (hasspace)
        tkshowsearchmenu(d, IDC_SEARCH);
    else
        searchrelated(d, text, SearchAllWords);
}

static void onsearchmenu(Dialog d, SearchMode mode)
{
    char text[QUERYSIZE];
    readwordbox(d, text);
    tksettext(d, IDC_QUERY, text);
    searchrelated(d, text, mode);
}

static void onresultlist(Dialog d)
{
    int chosen = tkcombogetsel(d, IDC_RESULTS);
    char text[QUERYSIZE] = "";
    if (chosen == 0)
        tkgettext(d, IDC_QUERY, text, sizeof text);
    else if (chosen != NOITEM)
        tkcombogettext(d, IDC_RESULTS, chosen, text, sizeof text);
    else
        return;
    tksettext(d, IDC_WORD, text);
}

static void onrevision(Dialog d)
{
    char text[QUERYSIZE];
    readwordbox(d, text);
    togglemark(d, text);
    tksetfocus(d, IDC_WORDLIST);
}

static void endmaindialog(Dialog d)
{
    tkreleaseresources(d);
    tkenddialog(d, 0);
}

void dispatchcommand(Dialog d, int id, int code)
{
    switch (id) {
    case IDM_EXIT: endmaindialog(d); break;
    case IDC_GO: ongo(d); break;
    case IDC_WORD:
        if (code == NOTIFY_CHANGE) onwordbox(d);
        break;
    case IDC_WORDLIST: onwordlist(d, code); break;
    case IDC_SEARCH: onsearchbutton(d); break;
    case IDM_SEARCHALL: onsearchmenu(d, SearchAllWords); break;
    case IDM_SEARCHPHRASE: onsearchmenu(d, SearchPhrase); break;
    case IDC_RESULTS:
        if (code == NOTIFY_SELENDOK) onresultlist(d);
        break;
    case IDC_REVISION: onrevision(d); break;
    case IDC_LEVEL_VERYHARD:
    case IDC_LEVEL_HARD:
    case IDC_LEVEL_EASY:
    case IDC_LEVEL_VERYEASY:
    case IDC_LEVEL_UNKNOWN:
        if (code == NOTIFY_CLICKED) setlevel(d);
        break;
    case IDC_SHOW_UNKNOWN:
    case IDC_SHOW_HARD:
    case IDC_SHOW_ALL:
        if (code == NOTIFY_CLICKED) onshowradio(d);
        break;
    case IDC_MARKEDONLY: onmarkedonly(d); break;
    case IDC_PREFIXON: onfiltercheck(d, IDC_PREFIXON, IDC_PREFIX); break;
    case IDC_CONTAINSON: onfiltercheck(d, IDC_CONTAINSON, IDC_CONTAINS); break;
    case IDC_SUFFIXON: onfiltercheck(d, IDC_SUFFIXON, IDC_SUFFIX); break;
    case IDC_PREFIX:
    case IDC_CONTAINS:
    case IDC_SUFFIX:
        if (code == NOTIFY_CHANGE) filterwordlist(d);
        break;
    case IDM_REBUILD: rebuildstore(d); break;
    case IDM_REBUILDKEEPING: rebuildkeepingstudy(d); break;
    case IDM_REVIEW: reviewmarked(d); break;
    case IDM_CREDITS: showcredits(d); break;
    case IDM_README: openreadme(d); break;
    case IDM_ABOUTSEARCH: aboutsearch(d); break;
    default: break;
    }
}
