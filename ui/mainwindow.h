// The main dialog's procedure, shared by the program and the tests that
// create the real dialog from template 100.
#ifndef VANTREL_MAINWINDOW_H
#define VANTREL_MAINWINDOW_H

#include <windows.h>

// The initialisation parameter (lParam of WM_INITDIALOG) is the command-line
// tail, a const char *.
INT_PTR CALLBACK DialogFunc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

#endif
