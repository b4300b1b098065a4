#include "common/commandline.h"

#include <cstring>

const char *commandtail(const char *cmdline)
{
    const char *c = cmdline;
    if (*c == '"') {
        const char *close = strchr(c + 1, '"');
        if (!close) return cmdline;  // an unclosed quote: the whole line, quote and all
        c = close + 1;
    } else {
        while (*c && *c != ' ') ++c;
    }
    while (*c == ' ') ++c;
    return c;
}
