// The program's entry: the main dialog, modal, with the command-line tail as
// its parameter; its result is the exit code.
#include <windows.h>

#include "ui/mainwindow.h"
#include "ui/resource.h"
#include "ui/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    const char *tail = commandtail(GetCommandLineA());
    return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAINDIALOG),
                                            nullptr, DialogFunc,
                                            reinterpret_cast<LPARAM>(tail)));
}
