// The sweep every fault test makes over one kind of counted fault at the file
// seam: the first, the second, ... call of that kind fails, until one past
// the last call that is made.
#ifndef VANTREL_FAULTSWEEP_H
#define VANTREL_FAULTSWEEP_H

#include "tests/support/faultcore.h"

// Which call of the kind fails, and how many of them were made.
struct CountedFault {
    const char *kind;
    int FaultCore::*nth;
    int FaultCore::*made;
};

const CountedFault FAILEDOPEN = {"open", &FaultCore::failopen, &FaultCore::opens};
const CountedFault FAILEDREAD = {"read", &FaultCore::failread, &FaultCore::reads};
const CountedFault FAILEDPART = {"part-read", &FaultCore::failpart, &FaultCore::parts};
const CountedFault FAILEDSKIP = {"skip", &FaultCore::failskip, &FaultCore::skips};
const CountedFault FAILEDWRITE = {"write", &FaultCore::failwrite, &FaultCore::writes};
const CountedFault FAILEDBLOCK = {"block of memory", &FaultCore::failblock, &FaultCore::blocks};

// strike(n) arms the n-th call, runs, checks and tells whether the fault
// struck; the sweep ends at the first n that did not.  Returns how many struck.
template <class Strike> int sweepfault(Strike strike)
{
    int n = 1;
    while (strike(n)) ++n;
    return n - 1;
}

#endif
