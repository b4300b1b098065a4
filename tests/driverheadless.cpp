// The user's side of the headless main dialog: the keys, clicks and picks a
// person makes, raising the commands the platform would raise for them.
#include <cstring>

#include "dictionary/resource.h"
#include "tests/driver.h"
#include "tests/headless.h"
#include "tests/registrymodel.h"
#include "ui/layout.h"
#include "ui/startup.h"

static Dialog current;
static int restoredsize[2];  // the client size to restore to

// the client area of the maximised window: a 1280 x 1024 screen less the
// frame, the title and the menu bar
static const int MAXIMISEDWIDTH = 1280, MAXIMISEDHEIGHT = 960;

Dialog templatedialog()
{
    current = headlesscreate();
    restoredsize[0] = current->clientwidth;
    restoredsize[1] = current->clientheight;
    return current;
}

Dialog startdialog(const char *tail)
{
    reviewuser = nullptr;
    initdialog(templatedialog(), tail);
    return current;
}

void closedialog(Dialog d)
{
    if (d == current) current = nullptr;
    headlessdestroy(d);
}

bool dialogended(Dialog d, int *result)
{
    if (d->ended && result) *result = d->result;
    return d->ended;
}

void usertype(Dialog d, int id, const char *text)
{
    Control *c = findcontrol(d, id);
    if (!c || !c->enabled) return;
    d->focus = id;
    // typing over the selected text: the first key replaces it
    size_t length = strlen(text);
    if (length == 0) {
        if (!c->text.empty()) {
            c->text.clear();
            raisecommand(d, id, NOTIFY_CHANGE);
        }
        return;
    }
    c->text.clear();
    for (size_t i = 0; i < length; ++i) {
        if ((int)c->text.size() >= c->limit) break;  // the edit refuses the key
        c->text.push_back(text[i]);
        raisecommand(d, id, NOTIFY_CHANGE);
    }
}

static bool isdefaultbuttontarget(const Control &c)
{
    return c.kind == EDITBOX || c.kind == LISTBOX || c.kind == CHECKBOX || c.kind == RADIOBUTTON;
}

void userenter(Dialog d)
{
    Control *c = findcontrol(d, d->focus);
    // the main dialog's meaning box wants the key, and being read-only ignores it; the review box's does not
    if (c && c->kind == MULTILINEEDIT && !d->owner) return;
    if (c && c->kind == PUSHBUTTON) {
        raisecommand(d, c->id, NOTIFY_CLICKED);
        return;
    }
    if (!c || isdefaultbuttontarget(*c) || c->kind == MULTILINEEDIT) raisecommand(d, d->owner ? IDC_REVIEWSHOW : IDC_GO, NOTIFY_CLICKED);
}

void userescape(Dialog d) { raisecommand(d, IDM_EXIT, NOTIFY_CLICKED); }

// Selects an item of a list or drop-down as a click on it does, raising code.
static void selectitem(Dialog d, int id, int index, int code)
{
    Control *c = findcontrol(d, id);
    if (!c || !c->enabled || index < 0 || index >= (int)c->items.size()) return;
    d->focus = id;
    c->selected = index;
    raisecommand(d, id, code);
}

void userpick(Dialog d, int id, int index) { selectitem(d, id, index, NOTIFY_SELCHANGE); }

void userdoubleclick(Dialog d, int id, int index)
{
    userpick(d, id, index);
    Control *c = findcontrol(d, id);
    if (c && c->enabled) raisecommand(d, id, NOTIFY_DBLCLK);
}

void userclick(Dialog d, int id)
{
    Control *c = findcontrol(d, id);
    if (!c || !c->enabled) return;
    if (c->kind == RADIOBUTTON) {
        for (Control &other : d->controls)
            if (other.kind == RADIOBUTTON && other.group == c->group) other.checked = false;
        c->checked = true;
    } else if (c->kind == CHECKBOX) {
        c->checked = !c->checked;
    }
    d->focus = id;
    raisecommand(d, id, NOTIFY_CLICKED);
}

void userchoose(Dialog d, int id, int index) { selectitem(d, id, index, NOTIFY_SELENDOK); }
void userfocus(Dialog d, int id) { d->focus = id; }
void usermenu(Dialog d, int id) { raisecommand(d, id, 0); }

// The window's new size, and the layout it gets for it.
static void resized(Dialog d, int width, int height, int sizetype)
{
    d->clientwidth = width;
    d->clientheight = height;
    layoutdialog(d, sizetype);
}

void usersize(Dialog d, int width, int height)
{
    int least = 0, lowest = 0;
    minimumclient(d, &least, &lowest);
    restoredsize[0] = width > least ? width : least;
    restoredsize[1] = height > lowest ? height : lowest;
    resized(d, restoredsize[0], restoredsize[1], LAYOUT_RESTORED);
}

void usermaximise(Dialog d) { resized(d, MAXIMISEDWIDTH, MAXIMISEDHEIGHT, LAYOUT_MAXIMISED); }
void userminimise(Dialog d) { resized(d, 0, 0, LAYOUT_MINIMISED); }
void userrestore(Dialog d) { resized(d, restoredsize[0], restoredsize[1], LAYOUT_RESTORED); }

const std::vector<RaisedCommand> &raisedcommands()
{
    static const std::vector<RaisedCommand> none;
    return current ? current->raised : none;
}

void clearraised()
{
    if (current) current->raised.clear();
}

std::string dialogtitle(Dialog d) { return d->title; }

const std::vector<ShownMessage> &shownmessages()
{
    static const std::vector<ShownMessage> none;
    return current ? current->messages : none;
}

void clearmessages()
{
    if (current) current->messages.clear();
}

void answernext(int answer)
{
    if (current) current->answers.push_back(answer);
}

int searchmenushown() { return current ? current->searchmenus : 0; }

const std::vector<std::string> &openeddocuments()
{
    static const std::vector<std::string> none;
    return current ? current->documents : none;
}

void forgetrecords(const char *) { resetregistry(); }

void whilereviewing(std::function<void(Dialog box)> script) { reviewuser = script; }
