#include "ui/layout.h"

void layoutdialog(Dialog d, int sizetype)
{
    tksettitle(d, sizetype == SIZE_MINIMISED ? "VanTrel" : "Orlavex Dictionary");
}
