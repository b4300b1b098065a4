// The main dialog's and the review box's controls as their templates (ui/vantrel.rc) make them: the
// headless model builds its dialog from this table, and the contract suite
// holds the real dialog to it.
#ifndef VANTREL_MAINTEMPLATE_H
#define VANTREL_MAINTEMPLATE_H

#include "dictionary/resource.h"

enum ControlKind { EDITBOX, MULTILINEEDIT, STATICTEXT, PUSHBUTTON, RADIOBUTTON, CHECKBOX, LISTBOX, DROPDOWN, GROUPBOX };

struct TemplateControl {
    int id;
    ControlKind kind;
    const char *caption;
    bool enabled;
    int group;  // radios of one group exclude each other
};

// Template order, which is also the focus order.
inline const TemplateControl MAINTEMPLATE[] = {
    {IDC_GO, PUSHBUTTON, "GO", true, 0},
    {IDC_WORDLABEL, STATICTEXT, "&Word", true, 0},
    {IDC_QUERY, STATICTEXT, "", true, 0},
    {IDC_WORD, EDITBOX, "", true, 0},
    {IDC_LISTLABEL, STATICTEXT, "&List", true, 0},
    {IDC_WORDLIST, LISTBOX, "", true, 0},
    {IDC_MEANINGLABEL, STATICTEXT, "Meaning", true, 0},
    {IDC_MEANING, MULTILINEEDIT, "", true, 0},
    {IDC_SEARCH, PUSHBUTTON, "&Search", true, 0},
    {IDC_WORDCOUNT, STATICTEXT, "", true, 0},
    {IDC_ENTRYNO, STATICTEXT, "", true, 0},
    {IDC_LEVELGROUP, GROUPBOX, "Set level", true, 0},
    {IDC_LEVEL_UNKNOWN, RADIOBUTTON, "????&/", true, 1},
    {IDC_LEVEL_VERYHARD, RADIOBUTTON, "Very &Hard", true, 1},
    {IDC_LEVEL_HARD, RADIOBUTTON, "Hard", true, 1},
    {IDC_LEVEL_EASY, RADIOBUTTON, "Eas&y", true, 1},
    {IDC_LEVEL_VERYEASY, RADIOBUTTON, "Very &Easy", true, 1},
    {IDC_STATUS, STATICTEXT, "", true, 0},
    {IDC_PREFIXON, CHECKBOX, "", true, 0},
    {IDC_PREFIX, EDITBOX, "", true, 0},
    {IDC_CONTAINSON, CHECKBOX, "", true, 0},
    {IDC_CONTAINS, EDITBOX, "", true, 0},
    {IDC_SUFFIXON, CHECKBOX, "", true, 0},
    {IDC_SUFFIX, EDITBOX, "", true, 0},
    {IDC_SHOWGROUP, GROUPBOX, "Show", true, 0},
    {IDC_SHOW_UNKNOWN, RADIOBUTTON, "???? only", true, 2},
    {IDC_SHOW_HARD, RADIOBUTTON, "Hard words only", true, 2},
    {IDC_SHOW_ALL, RADIOBUTTON, "All Words", true, 2},
    {IDC_RESULTS, DROPDOWN, "", false, 0},
    {IDC_REVISION, PUSHBUTTON, "Unmark from &Revision", true, 0},
    {IDC_MARKEDONLY, CHECKBOX, "marked words only", true, 0},
};

// The review box's, template 300.
inline const TemplateControl REVIEWTEMPLATE[] = {
    {IDC_REVIEWWORD, STATICTEXT, "", true, 0},
    {IDC_REVIEWPROGRESS, STATICTEXT, "", true, 0},
    {IDC_REVIEWMEANING, MULTILINEEDIT, "", true, 0},
    {IDC_REVIEWSHOW, PUSHBUTTON, "&Show meaning", true, 0},
    {IDC_REVIEWKNEW, PUSHBUTTON, "I &knew it", false, 0},
    {IDC_REVIEWNOTYET, PUSHBUTTON, "&Not yet", false, 0},
    {IDC_REVIEWSTOP, PUSHBUTTON, "&Stop", true, 0},
};

#endif
