#include "tests/headless.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/text.h"
#include "dictionary/review.h"
#include "ui/dispatch.h"
#include "ui/listorder.h"
#include "dictionary/resource.h"

std::function<void(Dialog box)> reviewuser;

template <size_t N>
static Dialog createfrom(const TemplateControl (&made)[N])
{
    DialogWindow *d = new DialogWindow();
    for (const TemplateControl &t : made) {
        Control c;
        c.id = t.id;
        c.kind = t.kind;
        c.text = t.caption;
        c.enabled = t.enabled;
        c.group = t.group;
        d->controls.push_back(c);
    }
    return d;
}

Dialog headlesscreate() { return createfrom(MAINTEMPLATE); }

void headlessdestroy(Dialog d) { delete d; }

Control *findcontrol(Dialog d, int id)
{
    for (Control &c : d->controls)
        if (c.id == id) return &c;
    return nullptr;
}

std::vector<std::string> messagesof(Dialog d)
{
    std::vector<std::string> texts;
    for (const ShownMessage &m : d->messages) texts.push_back(m.text);
    return texts;
}

void raisecommand(Dialog d, int id, int code)
{
    if (d->owner && d->ended) return;  // an ended box is gone
    d->raised.push_back({id, code});
    (d->owner ? reviewcommand : dispatchcommand)(d, id, code);
}

static Control &control(Dialog d, int id)
{
    Control *c = findcontrol(d, id);
    if (!c) {
        fprintf(stderr, "headless dialog: no control %d\n", id);
        abort();
    }
    return *c;
}

static int copyout(const std::string &text, char *buffer, int size)
{
    if (size <= 0) return 0;
    size_t length = text.size() < (size_t)size - 1 ? text.size() : (size_t)size - 1;
    memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return (int)length;
}

void tksettext(Dialog d, int id, const char *text)
{
    Control &c = control(d, id);
    c.text = text;  // copied before the change is raised
    // as the platform's edits: a multi-line one raises nothing when set
    if (c.kind == EDITBOX) raisecommand(d, id, NOTIFY_CHANGE);
}

void tksetnumber(Dialog d, int id, unsigned value) { tksettext(d, id, std::to_string(value).c_str()); }
int tkgettext(Dialog d, int id, char *buffer, int size) { return copyout(control(d, id).text, buffer, size); }
void tklimittext(Dialog d, int id, int limit) { control(d, id).limit = limit; }
void tksettitle(Dialog d, const char *title) { d->title = title; }

void tkclientsize(Dialog d, int *width, int *height)
{
    *width = d->clientwidth;
    *height = d->clientheight;
}

void tkplace(Dialog d, int id, int x, int y, int width, int height)
{
    Control &c = control(d, id);
    c.place[0] = x;
    c.place[1] = y;
    c.place[2] = width;
    c.place[3] = height;
}

void tkmove(Dialog d, int id, int x, int y)
{
    Control &c = control(d, id);
    c.place[0] = x;
    c.place[1] = y;
}

void tkgetplace(Dialog d, int id, int *place)
{
    for (int i = 0; i < 4; ++i) place[i] = control(d, id).place[i];
}

void tkenable(Dialog d, int id, bool enabled) { control(d, id).enabled = enabled; }
bool tkisenabled(Dialog d, int id) { return control(d, id).enabled; }
void tksetfocus(Dialog d, int id) { d->focus = id; }
int tkgetfocus(Dialog d) { return d->focus; }

void tkcheckradio(Dialog d, int first, int last, int id)
{
    for (Control &c : d->controls)
        if (c.id >= first && c.id <= last && (c.kind == RADIOBUTTON || c.kind == CHECKBOX))
            c.checked = c.id == id;
}

bool tkischecked(Dialog d, int id) { return control(d, id).checked; }
void tksetcheck(Dialog d, int id, bool checked) { control(d, id).checked = checked; }
static bool nearlyignored(char c) { return c == '-' || c == '\''; }

// Case-insensitive, with hyphens and apostrophes weighing almost nothing:
// they decide only between items that are otherwise equal.
static int comparesorted(const std::string &a, const std::string &b)
{
    size_t i = 0, j = 0;
    for (;;) {
        while (i < a.size() && nearlyignored(a[i])) ++i;
        while (j < b.size() && nearlyignored(b[j])) ++j;
        if (i == a.size() || j == b.size()) break;
        unsigned char x = (unsigned char)lowerascii(a[i]), y = (unsigned char)lowerascii(b[j]);
        if (x != y) return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    if (i != a.size()) return 1;
    if (j != b.size()) return -1;
    // equal but for the nearly ignored marks: the item without them first
    for (size_t k = 0; k < a.size() && k < b.size(); ++k) {
        char x = lowerascii(a[k]), y = lowerascii(b[k]);
        if (x == y) continue;
        if (nearlyignored(x) != nearlyignored(y)) return nearlyignored(x) ? 1 : -1;
        return (unsigned char)x < (unsigned char)y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool sortsbefore(const std::string &a, const std::string &b) { return comparesorted(a, b) < 0; }

// The platform's list finds the place of a new item by halving: an item that
// compares equal (equal but for case) takes the new one in its own place, so
// which of several equal items lists first depends on the search's path.
static int addsorted(std::vector<std::string> &items, const char *text)
{
    std::string item = text;
    int low = 0, high = (int)items.size() - 1, at = -1;
    while (low <= high && at < 0) {
        int middle = (low + high) / 2;
        int order = comparesorted(items[(size_t)middle], item);
        if (order == 0)
            at = middle;
        else if (order > 0)
            high = middle - 1;
        else
            low = middle + 1;
    }
    if (at < 0) at = low;
    items.insert(items.begin() + at, item);
    return at;
}

void tklistreset(Dialog d, int id)
{
    Control &c = control(d, id);
    c.items.clear();
    c.selected = NOITEM;
    c.top = 0;
}

void tklistadd(Dialog d, int id, const char *text)
{
    Control &c = control(d, id);
    if (c.filling) {
        c.pending.push_back(text);
        return;
    }
    int at = addsorted(c.items, text);
    if (c.selected != NOITEM && at <= c.selected) ++c.selected;
}

int tklistcount(Dialog d, int id) { return (int)control(d, id).items.size(); }

int tklistgettext(Dialog d, int id, int index, char *buffer, int size)
{
    Control &c = control(d, id);
    if (index < 0 || index >= (int)c.items.size()) {
        if (size > 0) buffer[0] = '\0';
        return NOITEM;
    }
    return copyout(c.items[(size_t)index], buffer, size);
}

int tklistgetsel(Dialog d, int id) { return control(d, id).selected; }

int tklistselectprefix(Dialog d, int id, const char *text)
{
    Control &c = control(d, id);
    if (text[0] == '\0') return NOITEM;
    for (size_t i = 0; i < c.items.size(); ++i) {
        if (beginswithnocase(c.items[i].c_str(), text)) {
            c.selected = (int)i;
            return (int)i;
        }
    }
    return NOITEM;
}

void tklistsetsel(Dialog d, int id, int index)
{
    Control &c = control(d, id);
    c.selected = (index >= 0 && index < (int)c.items.size()) ? index : NOITEM;
}

void tklistsettop(Dialog d, int id, int index)
{
    Control &c = control(d, id);
    if (index >= 0 && index < (int)c.items.size()) c.top = index;
}

int tklistgettop(Dialog d, int id) { return control(d, id).top; }

void tkfillbegin(Dialog d, int id)
{
    Control &c = control(d, id);
    tklistreset(d, id);
    c.pending.clear();
    c.filling = true;
}

static int comparepending(int a, int b, void *context)
{
    const std::vector<std::string> &pending = *static_cast<const std::vector<std::string> *>(context);
    return comparesorted(pending[(size_t)a], pending[(size_t)b]);
}

// The items of the refill where one-by-one adds would have put them.
void tkfillend(Dialog d, int id)
{
    Control &c = control(d, id);
    if (!c.filling) return;
    c.filling = false;
    std::vector<int> order(c.pending.size());
    if (sortedaddorder((int)c.pending.size(), comparepending, &c.pending, order.data())) {
        for (int i : order) c.items.push_back(c.pending[(size_t)i]);
    } else {
        for (const std::string &item : c.pending) addsorted(c.items, item.c_str());
    }
    c.pending.clear();
}

void tkcomboadd(Dialog d, int id, const char *text)
{
    Control &c = control(d, id);
    if (c.filling)
        c.pending.push_back(text);
    else
        addsorted(c.items, text);
}

void tkcomboinsert(Dialog d, int id, int index, const char *text)
{
    Control &c = control(d, id);
    if (index < 0 || index > (int)c.items.size()) index = (int)c.items.size();
    c.items.insert(c.items.begin() + index, text);
}

int tkcombocount(Dialog d, int id) { return tklistcount(d, id); }

int tkcombogettext(Dialog d, int id, int index, char *buffer, int size)
{
    return tklistgettext(d, id, index, buffer, size);
}

void tkcombosetsel(Dialog d, int id, int index) { tklistsetsel(d, id, index); }
int tkcombogetsel(Dialog d, int id) { return tklistgetsel(d, id); }

int tkmessage(Dialog d, const char *text, const char *caption, int style)
{
    if (d->owner) d = d->owner;
    d->messages.push_back({text, caption, style});
    bool question = (style & 0xf) == BOX_YESNO;
    if (!question) return ANSWER_OK;
    if (d->answers.empty()) return ANSWER_NO;
    int answer = d->answers.front();
    d->answers.pop_front();
    return answer;
}

void tkenddialog(Dialog d, int result)
{
    d->ended = true;
    d->result = result;
}

void tkshowsearchmenu(Dialog d, int) { ++d->searchmenus; }
void tkopendocument(Dialog d, const char *file) { d->documents.push_back(file); }

// Pictures, the icon and the credits box are the platform's alone.
void tkseticon(Dialog, int) {}
void tkshowcredits(Dialog) {}

void tkshowreview(Dialog d)
{
    Dialog box = createfrom(REVIEWTEMPLATE);
    box->owner = d;
    openreview(box);
    if (reviewuser) reviewuser(box);
    if (!box->ended) raisecommand(box, IDC_REVIEWSTOP, NOTIFY_CLICKED);
    delete box;
}
void tkloadresources(Dialog) {}
void tkreleaseresources(Dialog) {}
