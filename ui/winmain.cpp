// The program's entry: the main dialog, modal, with the command-line tail as
// its parameter; its result is the exit code.
#include <windows.h>
#include <commctrl.h>

#include "ui/mainwindow.h"
#include "dictionary/resource.h"
#include "ui/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // the controls of version 6, which the manifest asks for, registered
    // before the dialog makes its own
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const char *tail = commandtail(GetCommandLineA());
    return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAINDIALOG),
                                            nullptr, DialogFunc,
                                            reinterpret_cast<LPARAM>(tail)));
}
