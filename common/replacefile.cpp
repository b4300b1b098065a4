#include "common/replacefile.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdio>
#endif

bool replacefile(const char *source, const char *target)
{
#ifdef _WIN32
    // the C library's rename refuses an existing target here
    return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return rename(source, target) == 0;
#endif
}
