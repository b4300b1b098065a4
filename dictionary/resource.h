/* Identifiers shared by the main dialog's resource template (ui/vantrel.rc)
   and the code.  They live with the dictionary because the store holds some
   of them: so the window layer points down at them, never the other way.
   Bands: 1..9 dialog-manager commands, 100..199 controls of the main dialog,
   200 credits box, 300 review box, 500 hidden query holder, 1000..1599 menus and their items,
   1020..1029 bitmaps and icons.  The level radios and the revision button are
   also the values stored in every dictionary record, so they never change. */
#ifndef VANTREL_RESOURCE_H
#define VANTREL_RESOURCE_H

/* dialogs */
#define IDD_MAINDIALOG      100
#define IDD_CREDITS         200
#define IDD_REVIEW          300

/* credits box */
#define IDC_CREDITSCLOSE    201   /* hidden default button, raised by Enter */
#define IDC_CREDITSHINT     203
#define IDC_DISCLAIMER      205
#define IDC_CREDITSTEXT     1332

/* review box; its "&Stop" is the dialog manager's IDCANCEL (2), also Esc */
#define IDC_REVIEWWORD      301   /* the headword, as stored */
#define IDC_REVIEWPROGRESS  302   /* "3 of 12 due today" */
#define IDC_REVIEWMEANING   303   /* read-only, empty until shown */
#define IDC_REVIEWSHOW      304   /* "&Show meaning", the default button */
#define IDC_REVIEWKNEW      305   /* "I &knew it" */
#define IDC_REVIEWNOTYET    306   /* "&Not yet" */
#define IDC_REVIEWSTOP      2

/* main dialog: buttons and commands */
#define IDC_LEVELGROUP      1     /* group box "Set level" */
#define IDM_EXIT            2     /* menu "Exit" and the Escape key */
#define IDC_GO              111   /* hidden default button, raised by Enter */
#define IDC_SEARCH          130
#define IDC_REVISION        148   /* also RevisionMark */

/* main dialog: level radios, identifiers are the stored levels */
#define IDC_LEVEL_VERYHARD  3
#define IDC_LEVEL_HARD      114
#define IDC_LEVEL_EASY      115
#define IDC_LEVEL_VERYEASY  116
#define IDC_LEVEL_UNKNOWN   117

/* main dialog: edits, lists and statics */
#define IDC_MEANING         101
#define IDC_PREFIX          102
#define IDC_WORDCOUNT       103
#define IDC_SHOWGROUP       107
#define IDC_WORDLABEL       109
#define IDC_MEANINGLABEL    110
#define IDC_ENTRYNO         113
#define IDC_SUFFIXON        119
#define IDC_WORD            120
#define IDC_WORDLIST        128
#define IDC_LISTLABEL       129
#define IDC_STATUS          131
#define IDC_SHOW_UNKNOWN    133
#define IDC_SHOW_HARD       134
#define IDC_SHOW_ALL        135
#define IDC_RESULTS         142
#define IDC_SUFFIX          145
#define IDC_PREFIXON        147
#define IDC_MARKEDONLY      149
#define IDC_CONTAINS        152
#define IDC_CONTAINSON      153
#define IDC_QUERY           500

/* menus and menu items */
#define IDM_MAINMENU        1000
#define IDM_SEARCHMENU      1500
#define IDM_REBUILD         1021
#define IDM_REBUILDKEEPING  1030  /* "Rebuild, &keeping marks and levels" */
#define IDM_REVIEW          1031  /* "&Review marked words..." */
#define IDM_CREDITS         1023
#define IDM_README          139
#define IDM_ABOUTSEARCH     141
#define IDM_SEARCHALL       1510
#define IDM_SEARCHPHRASE    1520

/* pictures */
#define IDI_PROGRAM         121
#define IDB_LOGO            1022
#define IDB_CREDITS         1024
#define IDB_BAND            1025
#define IDI_WINDOW          1026

#endif
