// dialogbench: keystrokes on the real main dialog, built from the real
// template 100 with the real dialog procedure and controls, the real review
// box (template 300), and the peak memory of vantrel.exe.  Windows only;
// runs under Wine.
//
//   dialogbench [--sizes 1000,5000,20000,50000] [--breakdown 1000,20000]
//               [--runs 9] [--csv FILE] [--work FOLDER] [--vantrel PATH]
//
// At each size the keystrokes are timed as ratios to a plain read of the
// same store in the same run, and the memory of vantrel.exe is read when its
// path is given.  At the breakdown sizes a word box keystroke is also timed
// operation by operation, with the toolkit's shortcuts off (the plain calls)
// and on.
//
// A keystroke is timed from the character sent to the focused edit box until
// the dialog has handled it and painted what changed: the lookup or the
// narrowing, the list box refill and its redraw included.  The review box is
// timed from the menu command until its first word is painted, and a grade
// from the click on "I knew it" until the next word is painted.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/glossary.h"
#include "bench/measure.h"
#include "bench/memory.h"
#include "common/text.h"
#include "dictionary/readahead.h"
#include "dictionary/review.h"
#include "dictionary/store.h"
#include "dictionary/toolkit.h"
#include "ui/mainwindow.h"
#include "dictionary/resource.h"
#include "tests/toolkithooks.h"
#include "ui/toolkitwin32.h"

static HWND dialog = nullptr;

static int answerok(const char *text, const char *caption, int)
{
    // the review's outcome, once a run, is not worth a line each
    if (strcmp(caption, REVIEWCAPTION) != 0) printf("  message box \"%s\": %s\n", caption, text);
    return IDOK;
}

static void pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (dialog != nullptr && IsDialogMessageA(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Handles everything the last action queued and paints every change now.
static void settle()
{
    pump();
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    pump();
}

static HWND control(int id) { return GetDlgItem(dialog, id); }

// The edit box's text as the user left it before the timed key; its own
// change is handled here, untimed.
static void prepare(int id, const char *text)
{
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control(id)), TRUE);
    SetWindowTextA(control(id), text);
    SendMessageA(control(id), EM_SETSEL, 0x7fff, 0x7fff);
    settle();
}

static void key(int id, char c)
{
    SendMessageA(control(id), WM_CHAR, static_cast<unsigned char>(c), 1);
    settle();
}

static void timekey(int entries, int runs, double plainms, const char *name, int id, const char *before, char c)
{
    Timing t = timeruns(runs, [&] { key(id, c); }, [&] { prepare(id, before); });
    char label[64];
    snprintf(label, sizeof label, "%s: %d listed", name,
             static_cast<int>(SendMessageA(control(IDC_WORDLIST), LB_GETCOUNT, 0, 0)));
    addfigure(entries, label, t, plainms, 0, "100 ms per keystroke");
}

// The store opened for a scan as the file layer reads one: unbuffered, into
// the read-ahead block; null when it cannot be opened.
static FILE *openscan(ReadAhead *ahead)
{
    FILE *stream = fopen(STOREFILE, "rb");
    if (stream == nullptr) return nullptr;
    setvbuf(stream, nullptr, _IONBF, 0);
    startahead(ahead);
    return stream;
}

// The lookup's own scan for a word no entry has: the mark and word of each
// record read, the rest passed over, as the file layer reads a scan, through
// its read-ahead block.
// The mark and the word of a record, read before the rest.
static const size_t HEAD = offsetof(DictEntry, meaning);

static void scanformiss(const char *word)
{
    static ReadAhead ahead;
    FILE *stream = openscan(&ahead);
    if (stream == nullptr) return;
    DictEntry entry;
    for (int i = 0, count = countrecords(RECORDSIZE, STOREFILE); i < count; ++i) {
        if (readahead(&ahead, stream, &entry, HEAD) != HEAD) break;
        entry.word[WORDSIZE - 1] = '\0';
        if (sameword(entry.word, word) || !skipahead(&ahead, stream, RECORDSIZE - HEAD)) break;
    }
    fclose(stream);
}

// One part of a keystroke's breakdown, labelled with how the toolkit ran.
static void addpart(int entries, const char *part, const char *how, const Timing &t, double plainms)
{
    char label[96];
    snprintf(label, sizeof label, "%s (%s)", part, how);
    addfigure(entries, label, t, plainms, 0, "breakdown");
}

// A miss keystroke in the word box, whole and operation by operation, with
// the toolkit's shortcuts as given: the scan, the meaning box as the command
// writes it, the word list positioned on the text, and the rest.
static void breakdown(int entries, int runs, double plainms, bool shortcuts, const Glossary &glossary)
{
    toolkitshortcuts = shortcuts;
    const char *how = shortcuts ? "shortcuts" : "plain calls";
    char before[WORDSIZE];
    copytext(before, sizeof before, glossary.missingword);
    size_t length = strlen(before);
    char last = before[length - 1];
    before[length - 1] = '\0';
    auto restore = [&] { prepare(IDC_WORD, before); };

    Timing whole = timeruns(runs, [&] { key(IDC_WORD, last); }, restore);
    addpart(entries, "miss keystroke, whole", how, whole, plainms);

    Timing scan = timeruns(runs, [&] { scanformiss(glossary.missingword); });
    addfigure(entries, "  the store scan (read ahead)", scan, plainms, 0, "breakdown");

    Dialog d = reinterpret_cast<Dialog>(dialog);
    Timing meaning = timeruns(runs, [&] {
        tkbegincommand(d);
        tksettext(d, IDC_MEANING, "");
        tksettext(d, IDC_MEANING, "");
        tksettext(d, IDC_MEANING, "<<SEARCHING>>");
        tkendcommand(d);
        settle();
    }, restore);
    addpart(entries, "  the meaning box, three texts", how, meaning, plainms);

    Timing list = timeruns(runs, [&] {
        int index = tklistselectprefix(d, IDC_WORDLIST, glossary.missingword);
        if (index == NOITEM) tklistsetsel(d, IDC_WORDLIST, NOITEM);
        else tklistsettop(d, IDC_WORDLIST, index);
        settle();
    }, restore);
    addpart(entries, "  the word list positioned", how, list, plainms);

    Timing rest = {whole.median - scan.median - meaning.median - list.median, 0, runs};
    addpart(entries, "  everything else", how, rest, plainms);
    toolkitshortcuts = true;
}

// The narrowing's own scan with no text filter on: the mark, the word and
// the level of every record, through the read-ahead block.
static void scanfornarrowing()
{
    static ReadAhead ahead;
    FILE *stream = openscan(&ahead);
    if (stream == nullptr) return;
    DictEntry entry;
    int count = countrecords(RECORDSIZE, STOREFILE);
    for (int i = 0; i < count && readahead(&ahead, stream, &entry, HEAD) == HEAD; ++i)
        if (!skipahead(&ahead, stream, MEANINGSIZE) || readahead(&ahead, stream, &entry.level, 2) != 2) break;
    fclose(stream);
}

// The prefix box emptied, all words back in the list: whole and operation
// by operation, with the toolkit's shortcuts as given.
static void narrowbreakdown(int entries, int runs, double plainms, bool shortcuts)
{
    toolkitshortcuts = shortcuts;
    const char *how = shortcuts ? "shortcuts" : "plain calls";
    auto restore = [] { prepare(IDC_PREFIX, "s"); };
    Timing whole = timeruns(runs, [] { key(IDC_PREFIX, '\b'); }, restore);
    addpart(entries, "all words back, whole", how, whole, plainms);

    Timing scan = timeruns(runs, [] { scanfornarrowing(); });
    addfigure(entries, "  the store scan (read ahead)", scan, plainms, 0, "breakdown");

    Dialog d = reinterpret_cast<Dialog>(dialog);
    std::vector<std::string> words;
    for (int i = 0; i < tklistcount(d, IDC_WORDLIST); ++i) {
        char word[WORDSIZE];
        tklistgettext(d, IDC_WORDLIST, i, word, sizeof word);
        words.push_back(word);
    }
    Timing refill = timeruns(runs, [&] {
        tkfillbegin(d, IDC_WORDLIST);
        for (const std::string &word : words) tklistadd(d, IDC_WORDLIST, word.c_str());
        tkfillend(d, IDC_WORDLIST);
        settle();
    }, restore);
    char part[64];
    snprintf(part, sizeof part, "  the list refilled, %d words", static_cast<int>(words.size()));
    addpart(entries, part, how, refill, plainms);

    Timing emptied = timeruns(runs, [&] {
        tkbegincommand(d);
        tksettext(d, IDC_WORD, "");
        tkendcommand(d);
        settle();
    }, [] {
        // as after the narrowing before: the word box empty, the focus in the prefix box
        prepare(IDC_WORD, "");
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control(IDC_PREFIX)), TRUE);
        settle();
    });
    addpart(entries, "  the word box emptied and looked up", how, emptied, plainms);

    Timing rest = {whole.median - scan.median - refill.median - emptied.median, 0, runs};
    addpart(entries, "  everything else", how, rest, plainms);
    toolkitshortcuts = true;
}

// The review box's part of a run: it is made by the tests' seam of the
// toolkit (tests/toolkithooks.h) from its template, with its procedure.
static double reviewstarted = 0;
static std::vector<double> reviewopens, reviewgrades;

static void settlebox(HWND box)
{
    pump();
    RedrawWindow(box, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

static void gradeonce(HWND box)
{
    settlebox(box);
    reviewopens.push_back(nowms() - reviewstarted);
    SendMessageA(GetDlgItem(box, IDC_REVIEWSHOW), BM_CLICK, 0, 0);
    settlebox(box);
    double graded = nowms();
    SendMessageA(GetDlgItem(box, IDC_REVIEWKNEW), BM_CLICK, 0, 0);
    settlebox(box);
    reviewgrades.push_back(nowms() - graded);
    SendMessageA(GetDlgItem(box, IDC_REVIEWSTOP), BM_CLICK, 0, 0);
}

static void benchreviewbox(int entries, int runs, double plainms)
{
    reviewopens.clear();
    reviewgrades.clear();
    reviewhook = gradeonce;
    for (int run = 0; run <= runs; ++run) {
        reviewstarted = nowms();
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDM_REVIEW, 0), 0);
        settle();
    }
    reviewhook = nullptr;
    addfigure(entries, "review box opened", timingof(reviewopens, true), plainms, 0, "3x read");
    addfigure(entries, "review box, a grade", timingof(reviewgrades, true), plainms, 0, "1.5x read");
}

static void benchkeys(int entries, int runs, bool wantbreakdown, const Glossary &glossary)
{
    Timing plain = timeruns(runs, [] { plainread("dicbin.txt"); });
    addfigure(entries, "plain read of the store", plain, 0, entries * 8104.0 / 1e6, "");
    double plainms = plain.median;
    double start = nowms();
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAINDIALOG), nullptr,
                                DialogFunc, reinterpret_cast<LPARAM>("\\NOCOUNT"));
    if (dialog == nullptr) {
        printf("  the dialog was not created\n");
        return;
    }
    ShowWindow(dialog, SW_SHOW);
    settle();
    Timing startup = {nowms() - start, nowms() - start, 1};
    addfigure(entries, "dialog start with the full fill", startup, plainms, 0, "");

    char before[WORDSIZE];
    copytext(before, sizeof before, glossary.missingword);
    char last = before[strlen(before) - 1];
    before[strlen(before) - 1] = '\0';
    Timing t = timeruns(runs, [&] { key(IDC_WORD, last); }, [&] { prepare(IDC_WORD, before); });
    addfigure(entries, "keystroke, word box, miss", t, plainms, 0, "at most 1x read");
    t = timeruns(runs, [] { key(IDC_WORD, 'r'); }, [] { prepare(IDC_WORD, "ancho"); });
    addfigure(entries, "keystroke, word box, hit", t, plainms, 0, "at most 1x read");
    if (wantbreakdown) {
        breakdown(entries, runs, plainms, false, glossary);
        breakdown(entries, runs, plainms, true, glossary);
    }

    SendMessageA(control(IDC_PREFIXON), BM_CLICK, 0, 0);
    settle();
    timekey(entries, runs, plainms, "keystroke, prefix box, first letter", IDC_PREFIX, "", 's');
    timekey(entries, runs, plainms, "keystroke, prefix box, second letter", IDC_PREFIX, "s", 'e');
    timekey(entries, runs, plainms, "keystroke, prefix box, emptied", IDC_PREFIX, "s", '\b');
    if (wantbreakdown) {
        narrowbreakdown(entries, runs, plainms, false);
        narrowbreakdown(entries, runs, plainms, true);
        prepare(IDC_PREFIX, "");
    }
    SendMessageA(control(IDC_CONTAINSON), BM_CLICK, 0, 0);
    settle();
    timekey(entries, runs, plainms, "keystroke, contains box, first letter", IDC_CONTAINS, "", 'a');
    benchreviewbox(entries, runs, plainms);

    DestroyWindow(dialog);
    pump();
    dialog = nullptr;
}

// A list of sizes, "1000,5000"; false when one is not a number above 0.
static bool readsizes(const char *text, std::vector<int> *sizes)
{
    sizes->clear();
    for (const char *p = text; *p;) {
        int size = atoi(p);
        if (size <= 0) return false;
        sizes->push_back(size);
        p = strchr(p, ',');
        if (!p) break;
        ++p;
    }
    return true;
}

static const char *option(int argc, char **argv, const char *name, const char *otherwise)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (strcmp(argv[i], name) == 0) return argv[i + 1];
    return otherwise;
}

int main(int argc, char **argv)
{
    namespace fs = std::filesystem;
    std::vector<int> sizes, breakdowns;
    int runs = atoi(option(argc, argv, "--runs", "9"));
    fs::path csv = fs::absolute(option(argc, argv, "--csv", "dialogbench.csv"));
    const char *vantrel = option(argc, argv, "--vantrel", nullptr);
    if (!readsizes(option(argc, argv, "--sizes", "1000,5000,20000,50000"), &sizes) ||
        !readsizes(option(argc, argv, "--breakdown", "1000,20000"), &breakdowns) || runs <= 0) {
        fprintf(stderr, "usage: dialogbench [--sizes 1000,5000,20000,50000] [--breakdown 1000,20000] "
                        "[--runs 9] [--csv FILE] [--work FOLDER] [--vantrel PATH]\n");
        return 2;
    }
    setplatform(sizeof(void *) == 8 ? "wine64 dialog" : "wine dialog");
    messageboxhook = answerok;
    fs::path vantrelpath = vantrel ? fs::absolute(vantrel) : fs::path();
    fs::path work = fs::absolute(option(argc, argv, "--work", "dialogbench-work"));
    fs::create_directories(work);

    bool ok = true;
    for (int size : sizes) {
        fs::path folder = work / std::to_string(size);
        fs::create_directories(folder);
        fs::current_path(folder);
        Glossary glossary;
        printf("%d entries\n", size);
        ok = makeglossary(size, &glossary) && ok;
        bool wantbreakdown = false;
        for (int b : breakdowns) wantbreakdown = wantbreakdown || b == size;
        benchkeys(size, runs, wantbreakdown, glossary);
        if (vantrel) ok = benchmemory(vantrelpath.string().c_str(), size) && ok;
        fs::current_path(work);
        fs::remove_all(folder);
    }
    printf("\n");
    printfigures(stdout);
    if (!writefigures(csv.string().c_str())) return 1;
    return ok ? 0 : 1;
}
