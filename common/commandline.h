// The command line of both programs: what follows the program's name.
#ifndef VANTREL_COMMANDLINE_H
#define VANTREL_COMMANDLINE_H

// The text after the program name and the spaces that follow it.  Points into
// cmdline; only the space character separates, a tab belongs to the name.
const char *commandtail(const char *cmdline);

#endif
