#include "ui/help.h"

#include "dictionary/resource.h"

const char SEARCHHELP[] =
    "The search button can search for the possibly related words for the word(s) that you "
    "type in the 'Word' box.\nYou may type upto 10 words with single spaces.\nFor getting more "
    "relevant words use more than one word.\nAll the words will be searched. Exact phrases can "
    "also be searched.";

void showcredits(Dialog d)
{
    tkshowcredits(d);
}

void openreadme(Dialog d)
{
    tkopendocument(d, "Read me.htm");
    tksetfocus(d, IDC_WORDLIST);
}

void aboutsearch(Dialog d)
{
    tkmessage(d, SEARCHHELP, "About related words", BOX_OK | BOX_ICONINFORMATION | BOX_RIGHT);
    tksetfocus(d, IDC_WORDLIST);
}
