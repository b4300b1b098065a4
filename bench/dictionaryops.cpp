// The dictionary operations on the headless main dialog, each called as its
// command calls it, on the store in the working folder.
#include <cstring>
#include <vector>

#include "bench/measure.h"
#include "bench/operations.h"
#include "dictionary/lookup.h"
#include "dictionary/levels.h"
#include "dictionary/review.h"
#include "dictionary/revision.h"
#include "dictionary/search.h"
#include "dictionary/store.h"
#include "dictionary/wordlist.h"
#include "tests/driver.h"
#include "tests/headless.h"
#include "dictionary/resource.h"

// Sets a control's text as the user left it, without raising its command.
static void puttext(Dialog d, int id, const char *text)
{
    findcontrol(d, id)->text = text;
}

static void filtersoff(Dialog d)
{
    ShowFilter = SHOWALL;
    MarkedOnlyFilter = 0;
    const int boxes[] = {IDC_PREFIX, IDC_CONTAINS, IDC_SUFFIX};
    for (int id : boxes) {
        puttext(d, id, "");
        findcontrol(d, id)->enabled = false;
    }
}

static void benchlookup(Dialog d, const Glossary &g, int runs, double plainms)
{
    struct Case {
        const char *name;
        const char *word;
    } cases[] = {
        {"lookup, hit at the start", g.firstword},
        {"lookup, hit at the end", g.lastword},
        {"lookup, miss", g.missingword},
    };
    for (const Case &c : cases) {
        puttext(d, IDC_WORD, c.word);
        Timing t = timeruns(runs, [&] { lookupword(d, TRIGGER_TYPING); });
        addfigure(g.entries, c.name, t, plainms, 0, "1.5x read, 16 ms at 20,000");
    }
    // the whole keystroke: the lookup and the word list's selection
    puttext(d, IDC_WORD, g.missingword);
    Timing t = timeruns(runs, [&] { raisecommand(d, IDC_WORD, NOTIFY_CHANGE); });
    addfigure(g.entries, "keystroke in the word box, miss", t, plainms, 0, "");
}

static void benchnarrowing(Dialog d, const Glossary &g, int runs, double plainms)
{
    struct Case {
        const char *name;
        int box;
        const char *text;
        int show;
        int markedonly;
    } cases[] = {
        {"narrowing, no filter (all words)", 0, "", SHOWALL, 0},
        {"narrowing, prefix \"s\"", IDC_PREFIX, "s", SHOWALL, 0},
        {"narrowing, prefix \"sea w\"", IDC_PREFIX, "sea w", SHOWALL, 0},
        {"narrowing, contains \"ar\"", IDC_CONTAINS, "ar", SHOWALL, 0},
        {"narrowing, suffix \"ing\"", IDC_SUFFIX, "ing", SHOWALL, 0},
        {"narrowing, hard words only", 0, "", SHOWHARD, 0},
        {"narrowing, ???? only", 0, "", SHOWUNKNOWN, 0},
        {"narrowing, marked words only", 0, "", SHOWALL, RevisionMark},
    };
    for (const Case &c : cases) {
        filtersoff(d);
        if (c.box != 0) {
            puttext(d, c.box, c.text);
            findcontrol(d, c.box)->enabled = true;
        }
        ShowFilter = c.show;
        MarkedOnlyFilter = c.markedonly;
        Timing t = timeruns(runs, [&] { filterwordlist(d); });
        char name[64];
        snprintf(name, sizeof name, "%s: %d listed", c.name, tklistcount(d, IDC_WORDLIST));
        addfigure(g.entries, name, t, plainms, 0, "");
    }
    filtersoff(d);
    Timing t = timeruns(runs, [&] { fillwordlist(d); });
    addfigure(g.entries, "full fill at start-up", t, plainms, 0, "");
}

static void benchsearch(Dialog d, const Glossary &g, int runs, double plainms)
{
    struct Case {
        const char *name;
        const char *query;
        SearchMode mode;
    } cases[] = {
        {"search, one word", "windlass", SearchAllWords},
        {"search, three words", "anchor chain deck", SearchAllWords},
        {"search, phrase", "the ship", SearchPhrase},
    };
    for (const Case &c : cases) {
        char query[QUERYSIZE];
        Timing t = timeruns(runs, [&] {
            strncpy(query, c.query, sizeof query - 1);
            query[sizeof query - 1] = '\0';
            searchrelated(d, query, c.mode);
        });
        char name[64];
        snprintf(name, sizeof name, "%s: %d found", c.name, tkcombocount(d, IDC_RESULTS) - 1);
        addfigure(g.entries, name, t, plainms, 0, "3x read");
    }
}

static void benchrewrites(Dialog d, const Glossary &g, int runs, double plainms)
{
    Timing t = timeruns(runs, [&] { togglemark(d, g.lastword); });
    addfigure(g.entries, "toggle, last entry", t, plainms, 0, "");
    puttext(d, IDC_WORD, g.lastword);
    tkcheckradio(d, LevelVeryHard, LevelUnknown, LevelEasy);
    t = timeruns(runs, [&] { setlevel(d); });
    addfigure(g.entries, "level change, last entry", t, plainms, 0, "");
}

// The review opened (the marked entries and the log read, the first due word
// shown), its first meaning shown and its first grade, "I knew it" (the
// level written and put on the disk, the log line appended and put on the
// disk, the next word shown), once a run.
static void benchreview(Dialog d, const Glossary &g, int runs, double plainms)
{
    std::vector<double> opens, meanings, grades;
    char progress[64] = "";
    double started = 0;
    reviewuser = [&](Dialog box) {
        opens.push_back(nowms() - started);
        tkgettext(box, IDC_REVIEWPROGRESS, progress, sizeof progress);
        double shown = nowms();
        raisecommand(box, IDC_REVIEWSHOW, NOTIFY_CLICKED);
        double graded = nowms();
        raisecommand(box, IDC_REVIEWKNEW, NOTIFY_CLICKED);
        meanings.push_back(graded - shown);
        grades.push_back(nowms() - graded);
    };
    for (int run = 0; run <= runs; ++run) {
        d->answers.push_back(ANSWER_YES);  // review anyway, should none be due
        started = nowms();
        reviewmarked(d);
    }
    reviewuser = nullptr;
    d->answers.clear();
    char name[64];
    snprintf(name, sizeof name, "review opened: %s", progress);
    addfigure(g.entries, name, timingof(opens, true), plainms, 0, "3x read");
    addfigure(g.entries, "review, the meaning shown", timingof(meanings, true), plainms, 0, "");
    addfigure(g.entries, "review, a grade", timingof(grades, true), plainms, 0, "1.5x read");
}

void benchdictionary(const Glossary &glossary, int runs, double plainms)
{
    Dialog d = startdialog("\\NOCOUNT");
    filtersoff(d);
    benchlookup(d, glossary, runs, plainms);
    benchnarrowing(d, glossary, runs, plainms);
    benchsearch(d, glossary, runs, plainms);
    benchrewrites(d, glossary, runs, plainms);
    benchreview(d, glossary, runs, plainms);
    filtersoff(d);
    closedialog(d);
}
