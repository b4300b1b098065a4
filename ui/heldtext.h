// The deferred writes of a multi-line edit (the meaning box), and the writes
// of a caption left out where the control shows that text already.
//
// A multi-line edit raises no change notification when its text is set (only
// EN_VSCROLL as it scrolls back to its top, which no command handles), and
// every write of it redraws the box and its scroll bar: a keystroke used to
// write it three times (emptied by the dispatch, emptied by the lookup, then
// the meaning or a note).  So while the dialog handles a command, the text
// set last is held here and written once: when the outermost command is
// done, or before anything could see it (a read of the box, a message box,
// the search menu, the credits box, the shell, the end of the dialog).  It is
// not written at all when the box shows that text already as a write would
// leave it.  Every other control is written at once: the logic relies on the
// word box's change notification.
#ifndef VANTREL_HELDTEXT_H
#define VANTREL_HELDTEXT_H

#include <windows.h>

// True when the text of control id was taken to be written later (or found
// shown already); false when the caller writes it now.
bool holdtext(HWND dialog, int id, const char *text);
// True when control is a static text or a button that shows text already,
// so that a write would only repaint it.
bool captionalready(HWND control, const char *text);
// Writes the text held for control id of dialog, if any, before it is read.
void writeheldof(HWND dialog, int id);
// Writes the held text, if any.
void writeheld();
// Before something modal, or something that lets the window system paint:
// the held text is written, and a command handled in the meantime is
// outermost there.  Returns the depth that stepback puts back afterwards.
int stepoutside();
void stepback(int depth);

#endif
