// The writer of the payload archive (inst/payload.h), for its packer
// (tools/mkpayload), the tests and the benchmark; setup only reads archives
// and does not link it.
#ifndef VANTREL_PAYLOADWRITER_H
#define VANTREL_PAYLOADWRITER_H

#include "inst/payload.h"

// Writes an archive from header and count files: names[i] is the name inside
// the archive and sources[i] the file to read.  1 on success; otherwise 0, a
// message in problem, and no archive left behind.
int writepayload(const char *archive, const PayloadHeader *header, int count,
                 const char *const *names, const char *const *sources, char *problem,
                 int problemsize);

#endif
