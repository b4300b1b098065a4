#include "ui/listmirror.h"

#include <cstdlib>
#include <cstring>

#include "common/blocks.h"
#include "common/text.h"
#include "dictionary/toolkit.h"

namespace {

// One block of the items' texts and one of where each begins, in list order.
struct Mirror {
    HWND list;       // null: nothing known
    char *text;
    size_t used;
    size_t size;
    int *starts;
    int count;
    int room;        // starts allocated
    int bracketed;   // items that begin with "["
};

Mirror mirror = {nullptr, nullptr, 0, 0, nullptr, 0, 0, 0};

void release()
{
    freeblock(mirror.text);
    freeblock(mirror.starts);
    mirror = Mirror{nullptr, nullptr, 0, 0, nullptr, 0, 0, 0};
}

bool grow(size_t textneeded)
{
    if (!growitems(&mirror.text, &mirror.size, mirror.used, textneeded, TEXTFIRST)) return false;
    size_t room = static_cast<size_t>(mirror.room);
    if (!growitems(&mirror.starts, &room, static_cast<size_t>(mirror.count), 1, 4096)) return false;
    mirror.room = static_cast<int>(room);
    return true;
}

// Whether the ANSI code page keeps ASCII case folding exact: single-byte,
// ASCII as itself, and no character above it that is the upper or lower case
// of an ASCII one (such as the dotted capital I of a Turkish code page, or a
// Kelvin sign).  Asked once: the code page does not change while the
// program runs.
bool codepagefoldsascii()
{
    static int known = -1;
    if (known >= 0) return known == 1;
    CPINFO info;
    bool ok = GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1;
    for (int byte = 1; ok && byte < 256; ++byte) {
        char c = static_cast<char>(byte);
        WCHAR w[2] = {0, 0};
        ok = MultiByteToWideChar(CP_ACP, 0, &c, 1, w, 1) == 1;
        if (!ok) break;
        if (byte < 0x80) {
            ok = w[0] == byte;
            continue;
        }
        WCHAR lower[2] = {w[0], 0}, upper[2] = {w[0], 0};
        CharLowerBuffW(lower, 1);
        CharUpperBuffW(upper, 1);
        ok = w[0] >= 0x80 && lower[0] >= 0x80 && upper[0] >= 0x80 && w[0] != 0x130 && w[0] != 0x131 &&
             w[0] != 0x17f && w[0] != 0x212a;
    }
    known = ok ? 1 : 0;
    return ok;
}

bool plainascii(const char *text)
{
    for (const char *c = text; *c; ++c)
        if (*c < ' ' || *c > '~') return false;
    return true;
}

} // namespace

void mirrorreset(HWND list)
{
    release();
    mirror.list = list;
}

void mirrorinsert(HWND list, int index, const char *text)
{
    if (list != mirror.list || list == nullptr) return;
    size_t length = strlen(text) + 1;
    if (index < 0 || index > mirror.count || mirror.used + length > 0x7fffffff || !grow(length)) {
        mirrorforget(list);
        return;
    }
    memcpy(mirror.text + mirror.used, text, length);
    memmove(mirror.starts + index + 1, mirror.starts + index, sizeof(int) * static_cast<size_t>(mirror.count - index));
    mirror.starts[index] = static_cast<int>(mirror.used);
    mirror.used += length;
    ++mirror.count;
    if (text[0] == '[') ++mirror.bracketed;
}

void mirrortake(HWND list, char *text, size_t used, int *starts, int count)
{
    release();
    mirror.list = list;
    mirror.text = text;
    mirror.used = used;
    mirror.size = used;
    mirror.starts = starts;
    mirror.count = count;
    mirror.room = count;
    for (int i = 0; i < count; ++i)
        if (text[starts[i]] == '[') ++mirror.bracketed;
}

void mirrorforget(HWND list)
{
    if (list == mirror.list) release();
}

int mirrorfindprefix(HWND list, const char *text)
{
    // the count tells whether the list was written behind the toolkit's back
    if (list == nullptr || list != mirror.list || mirror.bracketed > 0 || !plainascii(text) ||
        !codepagefoldsascii() || SendMessageA(list, LB_GETCOUNT, 0, 0) != mirror.count)
        return MIRRORUNSURE;
    size_t length = strlen(text);
    if (length == 0) return NOITEM;
    char first = lowerascii(text[0]);
    for (int i = 0; i < mirror.count; ++i) {
        const char *item = mirror.text + mirror.starts[i];
        if (lowerascii(item[0]) != first) continue;
        size_t at = 1;
        while (at < length && lowerascii(item[at]) == lowerascii(text[at])) ++at;
        if (at == length) return i;
    }
    return NOITEM;
}
