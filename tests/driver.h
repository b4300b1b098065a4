// What a user does to the main dialog, for scenario tests that run both
// natively against the headless model and under Wine against the real dialog
// built from the real template.  Observations go through the toolkit itself,
// but for the few that the toolkit has no call for: the commands the dialog
// got, its title, the message boxes, the search menu and the shell.
#ifndef VANTREL_DRIVER_H
#define VANTREL_DRIVER_H

#include <functional>
#include <string>
#include <vector>

#include "dictionary/toolkit.h"

struct RaisedCommand {
    int id;
    int code;
};

struct ShownMessage {
    std::string text;
    std::string caption;
    int style;
};

// Creates the main dialog from its template and runs its initialisation with
// the tail, as the program does at start-up.  Message boxes are recorded and
// answered from the queue instead of waiting for a person.
Dialog startdialog(const char *tail);
void closedialog(Dialog d);
// The main dialog as its template makes it, before its initialisation: no
// store is read and nothing is counted.  Close it with closedialog.
Dialog templatedialog();
// true once the dialog was ended; *result gets the end result
bool dialogended(Dialog d, int *result);

// the user replaces the text of an edit box by typing it, key by key
void usertype(Dialog d, int id, const char *text);
// the user presses Enter, or Escape, in the focused control
void userenter(Dialog d);
void userescape(Dialog d);
// the user clicks an item of the word list, or double-clicks it
void userpick(Dialog d, int id, int index);
void userdoubleclick(Dialog d, int id, int index);
// the user clicks a button, a check box or a radio button
void userclick(Dialog d, int id);
// the user chooses a line of the drop-down list
void userchoose(Dialog d, int id, int index);
// the user moves the keyboard focus (by mouse or Tab)
void userfocus(Dialog d, int id);
// the user chooses a menu item
void usermenu(Dialog d, int id);
// the user sizes the window so that its client area is width x height (no
// smaller than the dialog lets it be), or maximises, minimises or restores it
void usersize(Dialog d, int width, int height);
void usermaximise(Dialog d);
void userminimise(Dialog d);
void userrestore(Dialog d);

// every command the dialog procedure got since startdialog, in order
const std::vector<RaisedCommand> &raisedcommands();
void clearraised();
std::string dialogtitle(Dialog d);

// every message box shown since startdialog, in order
const std::vector<ShownMessage> &shownmessages();
void clearmessages();
// answers for the next boxes that ask a question; unanswered boxes get OK or No
void answernext(int answer);
// how often the search menu was shown since startdialog
int searchmenushown();
// the documents the shell was asked to open since startdialog
const std::vector<std::string> &openeddocuments();

// The user's part, through the actions above, in each review box shown from
// now on; a box still open after it is closed with Esc.  startdialog forgets it.
void whilereviewing(std::function<void(Dialog box)> script);

// The registry that module y writes to (the model, or the real one under
// Wine) without the records of the program name; the model forgets all.
void forgetrecords(const char *name);

// x, y, width, height of a control in the client area
inline std::vector<int> placeof(Dialog d, int id)
{
    int place[4];
    tkgetplace(d, id, place);
    return {place[0], place[1], place[2], place[3]};
}

#endif
