#include "ui/listfill.h"

#include <cstdlib>
#include <cstring>

#include "ui/listorder.h"

namespace {

// The refill in progress: the items added so far, each with its NUL, in the
// order they came.  direct: memory ran out, and the items go into the
// control one by one as they come (the same order, only slower).
struct Refill {
    HWND dialog;
    int id;
    HWND control;
    bool combo;
    bool direct;
    char *text;
    size_t used;
    size_t size;
    int count;
};

Refill refill = {nullptr, 0, nullptr, false, false, nullptr, 0, 0, 0};

bool iscombo(HWND control)
{
    char name[16] = "";
    GetClassNameA(control, name, sizeof name);
    return lstrcmpiA(name, "ComboBox") == 0;
}

void addone(const char *text)
{
    SendMessageA(refill.control, refill.combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(text));
}

void forget()
{
    free(refill.text);
    refill.text = nullptr;
    refill.used = 0;
    refill.size = 0;
    refill.count = 0;
}

// Out of memory: what was kept goes in now, one by one, and so does the rest.
void godirect()
{
    for (size_t at = 0; at < refill.used; at += strlen(refill.text + at) + 1) addone(refill.text + at);
    forget();
    refill.direct = true;
}

bool keep(const char *text)
{
    size_t length = strlen(text) + 1;
    if (refill.size - refill.used < length) {
        size_t size = refill.size == 0 ? 65536 : refill.size;
        while (size - refill.used < length) size *= 2;
        char *grown = static_cast<char *>(realloc(refill.text, size));
        if (grown == nullptr) return false;
        refill.text = grown;
        refill.size = size;
    }
    memcpy(refill.text + refill.used, text, length);
    refill.used += length;
    ++refill.count;
    return true;
}

// The items in wide characters, their sort keys in the control's locale (the
// list compares with CompareStringW and NORM_IGNORECASE, and comparing the
// keys byte by byte gives the same answers), and where each begins.
struct Placing {
    int *wordstart;
    WCHAR *words;
    int *keystart;
    int *keylength;
    unsigned char *keys;
    int *order;
};

int comparekeys(int a, int b, void *context)
{
    const Placing *p = static_cast<const Placing *>(context);
    int la = p->keylength[a], lb = p->keylength[b];
    int same = memcmp(p->keys + p->keystart[a], p->keys + p->keystart[b], static_cast<size_t>(la < lb ? la : lb));
    return same != 0 ? same : la - lb;
}

void release(Placing *p)
{
    free(p->wordstart);
    free(p->words);
    free(p->keystart);
    free(p->keylength);
    free(p->keys);
    free(p->order);
}

// Works out the places and appends the items in that order; false, with
// nothing added, when memory ran out or the platform refused a conversion.
bool place()
{
    int n = refill.count;
    Placing p = {};
    p.wordstart = static_cast<int *>(malloc(sizeof(int) * static_cast<size_t>(n)));
    p.keystart = static_cast<int *>(malloc(sizeof(int) * static_cast<size_t>(n)));
    p.keylength = static_cast<int *>(malloc(sizeof(int) * static_cast<size_t>(n)));
    p.order = static_cast<int *>(malloc(sizeof(int) * static_cast<size_t>(n)));
    p.words = static_cast<WCHAR *>(malloc(sizeof(WCHAR) * refill.used));  // never more characters than bytes
    bool ok = p.wordstart && p.keystart && p.keylength && p.order && p.words;

    LCID locale = static_cast<LCID>(SendMessageA(refill.control, refill.combo ? CB_GETLOCALE : LB_GETLOCALE, 0, 0));
    int wordsused = 0;
    size_t keysused = 0;
    size_t at = 0;
    for (int i = 0; ok && i < n; ++i) {
        const char *item = refill.text + at;
        at += strlen(item) + 1;
        int room = static_cast<int>(refill.used) - wordsused;
        int length = MultiByteToWideChar(CP_ACP, 0, item, -1, p.words + wordsused, room);
        int keylength = length > 0 ? LCMapStringW(locale, LCMAP_SORTKEY | NORM_IGNORECASE,
                                                  p.words + wordsused, -1, nullptr, 0)
                                   : 0;
        ok = length > 0 && keylength > 0;
        p.wordstart[i] = wordsused;
        wordsused += length;
        p.keystart[i] = static_cast<int>(keysused);
        p.keylength[i] = keylength;
        keysused += static_cast<size_t>(keylength);
    }
    if (ok) {
        p.keys = static_cast<unsigned char *>(malloc(keysused));
        ok = p.keys != nullptr;
    }
    for (int i = 0; ok && i < n; ++i)
        ok = LCMapStringW(locale, LCMAP_SORTKEY | NORM_IGNORECASE, p.words + p.wordstart[i], -1,
                          reinterpret_cast<LPWSTR>(p.keys + p.keystart[i]), p.keylength[i]) == p.keylength[i];
    ok = ok && sortedaddorder(n, comparekeys, &p, p.order);
    if (ok) {
        UINT storage = refill.combo ? CB_INITSTORAGE : LB_INITSTORAGE;
        UINT insert = refill.combo ? CB_INSERTSTRING : LB_INSERTSTRING;
        SendMessageA(refill.control, storage, static_cast<WPARAM>(n),
                     static_cast<LPARAM>(sizeof(WCHAR) * static_cast<size_t>(wordsused)));
        // at the end, not sorted in: the list takes the place it is given
        for (int i = 0; i < n; ++i)
            SendMessageW(refill.control, insert, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(p.words + p.wordstart[p.order[i]]));
    }
    release(&p);
    return ok;
}

} // namespace

void fillbegin(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) return;
    forget();
    refill.dialog = dialog;
    refill.id = id;
    refill.control = control;
    refill.combo = iscombo(control);
    refill.direct = false;
    SendMessageA(control, refill.combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
    SendMessageA(control, WM_SETREDRAW, FALSE, 0);
}

bool fillpending(HWND dialog, int id, const char *text)
{
    if (refill.control == nullptr || dialog != refill.dialog || id != refill.id) return false;
    if (!refill.direct && !keep(text)) godirect();
    if (refill.direct) addone(text);
    return true;
}

void fillend(HWND dialog, int id)
{
    if (refill.control == nullptr || dialog != refill.dialog || id != refill.id) return;
    HWND control = refill.control;
    if (!refill.direct && refill.count > 0 && !place()) godirect();
    forget();
    refill.control = nullptr;
    SendMessageA(control, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(control, nullptr, TRUE);
}
