// The few window operations that the dictionary and the dispatch use.  Two
// implementations: the real Win32 one (ui/controls.cpp and the files it
// names) and a headless model for tests (tests/headless.cpp).  Both keep the
// notification rules the logic relies on: a program write of a single-line
// edit box raises its change command at once, nested, even when the text is
// unchanged; a write of a multi-line edit (the meaning box), and selections
// and checks that the program sets, raise nothing.
#ifndef VANTREL_TOOLKIT_H
#define VANTREL_TOOLKIT_H

typedef struct DialogWindow *Dialog;  // an HWND on Windows

// notification codes, with the platform's values
const int NOTIFY_CLICKED = 0;       // BN_CLICKED
const int NOTIFY_SELCHANGE = 1;     // LBN_SELCHANGE
const int NOTIFY_DBLCLK = 2;        // LBN_DBLCLK
const int NOTIFY_SELENDOK = 9;      // CBN_SELENDOK
const int NOTIFY_CHANGE = 0x300;    // EN_CHANGE

// message box styles and answers, with the platform's values
const int BOX_OK = 0x0;
const int BOX_YESNO = 0x4;
const int BOX_ICONQUESTION = 0x20;
const int BOX_ICONEXCLAMATION = 0x30;
const int BOX_ICONINFORMATION = 0x40;
const int BOX_DEFBUTTON2 = 0x100;
const int BOX_RIGHT = 0x80000;
const int ANSWER_OK = 1;
const int ANSWER_YES = 6;
const int ANSWER_NO = 7;

const int NOITEM = -1;

// text and numbers
void tksettext(Dialog d, int id, const char *text);
void tksetnumber(Dialog d, int id, unsigned value);
// reads at most size - 1 characters and a NUL; returns the characters read
int tkgettext(Dialog d, int id, char *buffer, int size);
void tklimittext(Dialog d, int id, int limit);
void tksettitle(Dialog d, const char *title);

// placement, in pixels of the dialog's client area
void tkclientsize(Dialog d, int *width, int *height);
void tkplace(Dialog d, int id, int x, int y, int width, int height);
void tkmove(Dialog d, int id, int x, int y);  // keeps the size
// x, y, width, height of a control in the client area
void tkgetplace(Dialog d, int id, int *place);

// state and focus
void tkenable(Dialog d, int id, bool enabled);
bool tkisenabled(Dialog d, int id);
void tksetfocus(Dialog d, int id);
int tkgetfocus(Dialog d);  // identifier of the focused control, 0 for none
void tkcheckradio(Dialog d, int first, int last, int id);
bool tkischecked(Dialog d, int id);
void tksetcheck(Dialog d, int id, bool checked);

// sorted list box
void tklistreset(Dialog d, int id);
void tklistadd(Dialog d, int id, const char *text);
int tklistcount(Dialog d, int id);
// reads an item as tkgettext reads a text; NOITEM, with the buffer emptied,
// for an item that doesn't exist (so for tkcombogettext)
int tklistgettext(Dialog d, int id, int index, char *buffer, int size);
int tklistgetsel(Dialog d, int id);
// selects the first item from the top that begins with text, case-insensitively;
// an empty text selects nothing.  Returns the index or NOITEM.
int tklistselectprefix(Dialog d, int id, const char *text);
void tklistsetsel(Dialog d, int id, int index);
void tklistsettop(Dialog d, int id, int index);
int tklistgettop(Dialog d, int id);
// A refill of a sorted list box or drop-down list: tkfillbegin empties it and
// stops its redrawing; the items added until tkfillend are placed all at once,
// each exactly where adding them one by one would have put it, and the
// control is redrawn.  Nothing but adding is done to the control in between.
void tkfillbegin(Dialog d, int id);
void tkfillend(Dialog d, int id);

// drop-down list
void tkcomboadd(Dialog d, int id, const char *text);  // sorted
void tkcomboinsert(Dialog d, int id, int index, const char *text);
int tkcombocount(Dialog d, int id);
int tkcombogettext(Dialog d, int id, int index, char *buffer, int size);
void tkcombosetsel(Dialog d, int id, int index);
int tkcombogetsel(Dialog d, int id);

// modal message box; returns the answer
int tkmessage(Dialog d, const char *text, const char *caption, int style);

// the dialog as a whole
void tkenddialog(Dialog d, int result);
// shows the search menu 10 pixels right of and below the control's top-left corner
void tkshowsearchmenu(Dialog d, int id);
// opens a document in the working directory with the shell's "open" verb
void tkopendocument(Dialog d, const char *file);
void tkseticon(Dialog d, int iconid);
// the credits box, modal over the dialog
void tkshowcredits(Dialog d);
// The review box, template 300, modal over the dialog; it returns when the
// box has ended.  The box is a Dialog of its own, its initialisation
// openreview and its commands reviewcommand (dictionary/review.h).
void tkshowreview(Dialog d);
void tkloadresources(Dialog d);  // the bitmaps and the search menu
void tkreleaseresources(Dialog d);

#endif
