#include "ui/listfill.h"

#include <cstdlib>
#include <cstring>

#include "common/blocks.h"
#include "ui/listmirror.h"
#include "ui/listorder.h"
#include "ui/toolkitseam.h"

bool iscombo(HWND control)
{
    char name[16] = "";
    return GetClassNameA(control, name, sizeof name) > 0 && lstrcmpiA(name, "ComboBox") == 0;
}

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

void addone(const char *text)
{
    SendMessageA(refill.control, refill.combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(text));
}

void forget()
{
    freeblock(refill.text);
    refill.text = nullptr;
    refill.used = 0;
    refill.size = 0;
    refill.count = 0;
}

// Out of memory: what was kept goes in now, one by one, and so does the rest.
void godirect()
{
    if (!refill.combo) mirrorforget(refill.control);
    for (size_t at = 0; at < refill.used; at += strlen(refill.text + at) + 1) addone(refill.text + at);
    forget();
    refill.direct = true;
}

bool keep(const char *text)
{
    size_t length = strlen(text) + 1;
    if (!growitems(&refill.text, &refill.size, refill.used, length, TEXTFIRST)) return false;
    memcpy(refill.text + refill.used, text, length);
    refill.used += length;
    ++refill.count;
    return true;
}

// The sort key of each item in the control's locale (the list compares with
// CompareStringW and NORM_IGNORECASE, and comparing the keys byte by byte
// gives the same answers), and where each item and key begins.  Only the
// keys are held besides the items: they go once the order is known.
struct Placing {
    int *itemstart;
    int *keystart;
    int *keylength;
    unsigned char *keys;
    size_t keysused;
    size_t keyssize;
    int *order;
};

const DWORD KEYFLAGS = LCMAP_SORTKEY | NORM_IGNORECASE;

int comparekeys(int a, int b, void *context)
{
    const Placing *p = static_cast<const Placing *>(context);
    int la = p->keylength[a], lb = p->keylength[b];
    int same = memcmp(p->keys + p->keystart[a], p->keys + p->keystart[b], static_cast<size_t>(la < lb ? la : lb));
    return same != 0 ? same : la - lb;
}

bool roomforkey(Placing *p, int length)
{
    return growitems(&p->keys, &p->keyssize, p->keysused, static_cast<size_t>(length), TEXTFIRST);
}

// Appends the sort key of item i; false when memory ran out or the platform
// refused.  An item is a headword or a result line, far below 256 characters;
// a longer one is converted in memory of its own.
bool addkey(Placing *p, LCID locale, int i, const char *item)
{
    WCHAR shortword[256];
    WCHAR *word = shortword;
    int length = MultiByteToWideChar(CP_ACP, 0, item, -1, shortword, 256);
    if (length == 0) {
        length = MultiByteToWideChar(CP_ACP, 0, item, -1, nullptr, 0);
        word = length > 0 ? static_cast<WCHAR *>(malloc(sizeof(WCHAR) * static_cast<size_t>(length))) : nullptr;
        if (word == nullptr || MultiByteToWideChar(CP_ACP, 0, item, -1, word, length) != length) {
            free(word);
            return false;
        }
    }
    // one call where the key fits the room kept for it; its length first otherwise
    const int KEYROOM = 1024;
    int keylength = roomforkey(p, KEYROOM)
                        ? LCMapStringW(locale, KEYFLAGS, word, -1, reinterpret_cast<LPWSTR>(p->keys + p->keysused), KEYROOM)
                        : 0;
    if (keylength == 0) {
        keylength = LCMapStringW(locale, KEYFLAGS, word, -1, nullptr, 0);
        if (keylength <= 0 || !roomforkey(p, keylength) ||
            LCMapStringW(locale, KEYFLAGS, word, -1, reinterpret_cast<LPWSTR>(p->keys + p->keysused), keylength) !=
                keylength)
            keylength = 0;
    }
    bool ok = keylength > 0;
    if (word != shortword) free(word);
    if (!ok) return false;
    p->keystart[i] = static_cast<int>(p->keysused);
    p->keylength[i] = keylength;
    p->keysused += static_cast<size_t>(keylength);
    return true;
}

void dropkeys(Placing *p)
{
    free(p->keystart);
    free(p->keylength);
    freeblock(p->keys);
    p->keystart = nullptr;
    p->keylength = nullptr;
    p->keys = nullptr;
}

// The word list's items stay as the toolkit's copy of them (ui/listmirror.h):
// the order becomes where each item of the list begins, and the text is
// handed over as it is (made smaller, it could be copied, at the fill's peak).
void keepasmirror(Placing *p)
{
    int n = refill.count;
    for (int i = 0; i < n; ++i) p->order[i] = p->itemstart[p->order[i]];
    mirrortake(refill.control, refill.text, refill.used, p->order, n);
    refill.text = nullptr;
    refill.size = 0;
    p->order = nullptr;
}

// Works out the places and appends the items in that order; false, with
// nothing added, when memory ran out or the platform refused a conversion.
bool place()
{
    int n = refill.count;
    size_t ints = sizeof(int) * static_cast<size_t>(n);
    Placing p = {};
    p.itemstart = static_cast<int *>(malloc(ints));
    p.keystart = static_cast<int *>(malloc(ints));
    p.keylength = static_cast<int *>(malloc(ints));
    p.order = static_cast<int *>(malloc(ints));
    bool ok = p.itemstart && p.keystart && p.keylength && p.order;

    LCID locale = static_cast<LCID>(SendMessageA(refill.control, refill.combo ? CB_GETLOCALE : LB_GETLOCALE, 0, 0));
    size_t at = 0;
    for (int i = 0; ok && i < n; ++i) {
        const char *item = refill.text + at;
        p.itemstart[i] = static_cast<int>(at);
        at += strlen(item) + 1;
        ok = addkey(&p, locale, i, item);
    }
    ok = ok && sortedaddorder(n, comparekeys, &p, p.order);
    dropkeys(&p);
    if (ok) {
        UINT storage = refill.combo ? CB_INITSTORAGE : LB_INITSTORAGE;
        UINT insert = refill.combo ? CB_INSERTSTRING : LB_INSERTSTRING;
        SendMessageA(refill.control, storage, static_cast<WPARAM>(n),
                     static_cast<LPARAM>(sizeof(WCHAR) * refill.used));
        // at the end, not sorted in: the list takes the place it is given
        for (int i = 0; i < n; ++i)
            SendMessageA(refill.control, insert, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(refill.text + p.itemstart[p.order[i]]));
        if (!refill.combo) keepasmirror(&p);
    }
    free(p.itemstart);
    free(p.order);
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
    // with its redraw stopped first, emptying the list draws nothing
    bool stopfirst = tkshortcuts();
    if (stopfirst) SendMessageA(control, WM_SETREDRAW, FALSE, 0);
    SendMessageA(control, refill.combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
    if (!stopfirst) SendMessageA(control, WM_SETREDRAW, FALSE, 0);
    if (!refill.combo) mirrorreset(control);
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
