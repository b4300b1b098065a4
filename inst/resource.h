/* Identifiers of setup's resources, shared by setup.rc and inst.cpp. */
#ifndef VANTREL_SETUP_RESOURCE_H
#define VANTREL_SETUP_RESOURCE_H

#define IDD_MAINDIALOG  100

/* controls of the dialog, in template (and tab) order after OK and Cancel */
#define PATH            102   /* install folder box */
#define IDC_INSTALLHERE 103
#define BRS             104   /* BROWSE button */
#define IDC_REMEMBER    105
#define LIST            106   /* file names in the archive */
#define IDC_FOLLOWING   107

#define IDB_CORNER      1022  /* 37 x 13 picture in the lower right corner */
#define IDI_SETUP       1023  /* 32 x 32 large icon of the dialog */

#endif
