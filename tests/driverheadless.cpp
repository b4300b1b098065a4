// The user's side of the headless main dialog: the keys, clicks and picks a
// person makes, raising the commands the platform would raise for them.
#include <cstring>

#include "tests/driver.h"
#include "tests/headless.h"
#include "dictionary/resource.h"
#include "ui/startup.h"

static Dialog current;

Dialog startdialog(const char *tail)
{
    current = headlesscreate();
    initdialog(current, tail);
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
    if (c && c->id == IDC_MEANING) return;  // the read-only meaning box keeps the key
    if (c && c->kind == PUSHBUTTON) {
        raisecommand(d, c->id, NOTIFY_CLICKED);
        return;
    }
    if (!c || isdefaultbuttontarget(*c)) raisecommand(d, IDC_GO, NOTIFY_CLICKED);
}

void userescape(Dialog d)
{
    raisecommand(d, IDM_EXIT, NOTIFY_CLICKED);
}

void userpick(Dialog d, int id, int index)
{
    Control *c = findcontrol(d, id);
    if (!c || !c->enabled || index < 0 || index >= (int)c->items.size()) return;
    d->focus = id;
    c->selected = index;
    raisecommand(d, id, NOTIFY_SELCHANGE);
}

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

void userchoose(Dialog d, int id, int index)
{
    Control *c = findcontrol(d, id);
    if (!c || !c->enabled || index < 0 || index >= (int)c->items.size()) return;
    d->focus = id;
    c->selected = index;
    raisecommand(d, id, NOTIFY_SELENDOK);
}

void userfocus(Dialog d, int id)
{
    d->focus = id;
}

void usermenu(Dialog d, int id)
{
    raisecommand(d, id, 0);
}

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

int searchmenushown()
{
    return current ? current->searchmenus : 0;
}

const std::vector<std::string> &openeddocuments()
{
    static const std::vector<std::string> none;
    return current ? current->documents : none;
}
