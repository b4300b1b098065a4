// dialogbench: keystrokes on the real main dialog, built from the real
// template 100 with the real dialog procedure and controls, and the peak
// memory of vantrel.exe at two store sizes.  Windows only; runs under Wine.
//
//   dialogbench [--entries 20000] [--runs 9] [--csv FILE] [--work FOLDER]
//               [--vantrel PATH --small 1000 [--large 50000]]
//
// The keystrokes are timed at --entries; the memory of vantrel.exe, when its
// path is given, at --small, at --entries and at --large.
//
// A keystroke is timed from the character sent to the focused edit box until
// the dialog has handled it and painted what changed: the lookup or the
// narrowing, the list box refill and its redraw included.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "bench/glossary.h"
#include "bench/measure.h"
#include "bench/memory.h"
#include "dictionary/store.h"
#include "dictionary/toolkit.h"
#include "ui/mainwindow.h"
#include "dictionary/resource.h"
#include "ui/toolkithooks.h"

static HWND dialog = nullptr;

static int answerok(const char *text, const char *caption, int)
{
    printf("  message box \"%s\": %s\n", caption, text);
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

static void benchkeys(int entries, int runs)
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
    addfigure(entries, "dialog start with the full fill", startup, 0, 0, "");

    Timing t = timeruns(runs, [] { key(IDC_WORD, 't'); }, [] { prepare(IDC_WORD, "lighthouse keeper's ca"); });
    addfigure(entries, "keystroke, word box, miss", t, plainms, 0, "16 ms");
    t = timeruns(runs, [] { key(IDC_WORD, 'r'); }, [] { prepare(IDC_WORD, "ancho"); });
    addfigure(entries, "keystroke, word box, hit", t, plainms, 0, "16 ms");

    // what the meaning box alone costs of a word box keystroke: each lookup
    // empties it and shows a meaning or a note in it
    DictEntry entry;
    DataFile *store = fileopen(STOREFILE, "rb");
    bool read = store != nullptr && readrecord(store, &entry);
    if (store) fileclose(store);
    if (read) {
        t = timeruns(runs, [&] { SetDlgItemTextA(dialog, IDC_MEANING, entry.meaning); settle(); },
                     [] { SetDlgItemTextA(dialog, IDC_MEANING, ""); settle(); });
        char label[64];
        snprintf(label, sizeof label, "meaning box alone, a meaning of %d bytes shown", static_cast<int>(strlen(entry.meaning)));
        addfigure(entries, label, t, plainms, 0, "");
        t = timeruns(runs, [] { SetDlgItemTextA(dialog, IDC_MEANING, ""); settle(); },
                     [&] { SetDlgItemTextA(dialog, IDC_MEANING, entry.meaning); settle(); });
        addfigure(entries, "meaning box alone, emptied", t, plainms, 0, "");
    }

    SendMessageA(control(IDC_PREFIXON), BM_CLICK, 0, 0);
    settle();
    timekey(entries, runs, plainms, "keystroke, prefix box, first letter", IDC_PREFIX, "", 's');
    timekey(entries, runs, plainms, "keystroke, prefix box, second letter", IDC_PREFIX, "s", 'e');
    timekey(entries, runs, plainms, "keystroke, prefix box, emptied", IDC_PREFIX, "s", '\b');
    SendMessageA(control(IDC_CONTAINSON), BM_CLICK, 0, 0);
    settle();
    timekey(entries, runs, plainms, "keystroke, contains box, first letter", IDC_CONTAINS, "", 'a');

    DestroyWindow(dialog);
    pump();
    dialog = nullptr;
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
    int entries = atoi(option(argc, argv, "--entries", "20000"));
    int runs = atoi(option(argc, argv, "--runs", "9"));
    fs::path csv = fs::absolute(option(argc, argv, "--csv", "dialogbench.csv"));
    const char *vantrel = option(argc, argv, "--vantrel", nullptr);
    int small = atoi(option(argc, argv, "--small", "1000"));
    int large = atoi(option(argc, argv, "--large", "0"));
    if (entries <= 0 || runs <= 0 || small <= 0 || large < 0) {
        fprintf(stderr, "usage: dialogbench [--entries 20000] [--runs 9] [--csv FILE] [--work FOLDER] "
                        "[--vantrel PATH --small 1000 [--large 50000]]\n");
        return 2;
    }
    setplatform("wine dialog");
    messageboxhook = answerok;
    fs::path vantrelpath = vantrel ? fs::absolute(vantrel) : fs::path();
    fs::path work = fs::absolute(option(argc, argv, "--work", "dialogbench-work"));
    fs::create_directories(work);

    bool ok = true;
    const int sizes[] = {small, entries, large};
    for (int size : sizes) {
        if (size == 0 || (size != entries && !vantrel)) continue;
        fs::path folder = work / std::to_string(size);
        fs::create_directories(folder);
        fs::current_path(folder);
        Glossary glossary;
        printf("%d entries\n", size);
        ok = makeglossary(size, &glossary) && ok;
        if (size == entries) benchkeys(size, runs);
        if (vantrel) ok = benchmemory(vantrelpath.string().c_str(), size) && ok;
        fs::current_path(work);
        fs::remove_all(folder);
    }
    printf("\n");
    printfigures(stdout);
    if (!writefigures(csv.string().c_str())) return 1;
    return ok ? 0 : 1;
}
