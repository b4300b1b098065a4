// The one file operation the C library lacks: putting a finished file in the
// place of another in a single step, so the target is always either the old
// file or the new one, never half of either.
#ifndef VANTREL_REPLACEFILE_H
#define VANTREL_REPLACEFILE_H

bool replacefile(const char *source, const char *target);

#endif
