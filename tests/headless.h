// A headless model of the main dialog's controls, for native tests.  It keeps
// the rules the logic depends on: a program write of a single-line edit raises
// its change command at once, nested, even when the text is unchanged; program
// selections and checks raise nothing; a sorted list box orders its items the
// way the platform's does.  Every command it raises is logged.  The contract
// suite (tests/scenarios/toolkit_contract_test.cpp) holds it to the real
// dialog.
#ifndef VANTREL_HEADLESS_H
#define VANTREL_HEADLESS_H

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "dictionary/toolkit.h"
#include "tests/driver.h"
#include "tests/support/maintemplate.h"

struct Control {
    int id = 0;
    ControlKind kind = STATICTEXT;
    std::string text;
    bool enabled = true;
    bool checked = false;
    int limit = 0x7ffffffe;  // characters the user may type
    std::vector<std::string> items;
    bool filling = false;                // between tkfillbegin and tkfillend
    std::vector<std::string> pending;    // the items added meanwhile, in order
    int selected = NOITEM;
    int top = 0;
    int group = 0;  // radios of one group exclude each other
    int place[4] = {0, 0, 0, 0};  // x, y, width, height in client pixels
};

struct DialogWindow {
    std::vector<Control> controls;
    std::string title = "orlavex dictionary";
    int clientwidth = 1000;
    int clientheight = 600;
    int focus = 0;
    bool ended = false;
    int result = -1;
    int searchmenus = 0;
    std::vector<std::string> documents;
    std::vector<RaisedCommand> raised;
    std::vector<ShownMessage> messages;
    std::deque<int> answers;
    // the main dialog, for the review box: its boxes show over it, and its
    // commands go to the review
    DialogWindow *owner = nullptr;
};

// The user's part in each review box the model shows, played while it is
// open; a box still open afterwards is closed with Esc.
extern std::function<void(Dialog box)> reviewuser;

// the controls of the main dialog as its template creates them
Dialog headlesscreate();
void headlessdestroy(Dialog d);
Control *findcontrol(Dialog d, int id);
// the texts of the message boxes shown, in order
std::vector<std::string> messagesof(Dialog d);
// raises a command as the platform would, logging it
void raisecommand(Dialog d, int id, int code);
// the order in which the platform's sorted lists place two items
bool sortsbefore(const std::string &a, const std::string &b);

#endif
