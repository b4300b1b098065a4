// The record of what setup wrote into the install folder, kept beside the
// files as the text file "install.lst":
//
//   product NAME                        the header's name (install record, entry)
//   shortcut PATH                       the Start menu shortcut setup made
//   installed SIZE CHECKSUM NAME        a file of the archive, as setup put it in place
//   copy SIZE CHECKSUM NAME             the archive's copy of a kept file (NAME.new)
//   installing SIZE CHECKSUM NAME       bytes setup is about to put in place as NAME
//   copying SIZE CHECKSUM NAME          the same for the copy of a kept file
//   base SIZE CHECKSUM NAME             "install.base" holds these bytes, what
//                                       setup last installed (or merged in) as
//                                       the word file NAME: the base of the
//                                       next upgrade's merge (inst/upgrade.h)
//
// SIZE in decimal, CHECKSUM the 64-bit FNV-1a of the bytes in 16 hex digits.
// A reinstall replaces only a file whose bytes are still what the record says
// setup installed; the uninstaller removes only those.  The record itself and
// the uninstaller "uninstall.exe" and the base "install.base" are setup's own
// and never in an archive.
//
// An install writes the record with an "installing" or "copying" line for
// every file it will put in place before it puts the first one there, and
// the record without them once all are in place; so whenever it stops, each
// file of setup's is one the record describes, by its old bytes or its new
// ones.  One name has at most one line of each kind; a record with two is
// damaged.
#ifndef VANTREL_RECORD_H
#define VANTREL_RECORD_H

#include <cstddef>
#include <cstdint>

#include "inst/payload.h"

#define RECORDNAME "install.lst"
#define BASENAME "install.base"
#define UNINSTALLERNAME "uninstall.exe"

enum { LINKPATHSIZE = 300 };

enum RecordKind {
    RECORDINSTALLED = 'i',
    RECORDCOPY = 'c',
    RECORDINSTALLING = 'j',
    RECORDCOPYING = 'd',
    RECORDBASE = 'b'
};

struct RecordedFile {
    char name[NAMESIZE];
    char kind;  // RecordKind
    long long size;
    uint64_t sum;
};

struct InstallRecord {
    char product[NAMESIZE];
    char shortcut[LINKPATHSIZE];  // empty for none
    RecordedFile *files;          // by kind, then by name as the file system orders names
    int count;
    int room;
};

// The size and checksum of some bytes, built up part by part.
struct Fingerprint {
    long long size;
    uint64_t sum;
};
void fingerprintstart(Fingerprint *f);
void fingerprintadd(Fingerprint *f, const unsigned char *bytes, size_t count);
bool samefingerprint(const Fingerprint &a, long long size, uint64_t sum);
// Adds a piece to the fingerprint f, a step of eachpiece (inst/payload.h).
bool fingerprintpiece(const unsigned char *piece, size_t size, void *f);
// The fingerprint of the whole file at path; false when it cannot be read whole.
bool fingerprintfile(const char *path, Fingerprint *f);

void recordstart(InstallRecord *r);
void recordfree(InstallRecord *r);
// The entry of this kind for name (names compared as the file system does);
// null when there is none.
RecordedFile *recordfind(InstallRecord *r, const char *name, char kind);
// Sets (adds or replaces) the entry for name; false when memory runs out.
bool recordput(InstallRecord *r, const char *name, char kind, const Fingerprint &f);
// Whether bytes of this fingerprint under name are setup's of this kind
// (RECORDINSTALLED or RECORDCOPY): what it put there, or was putting there.
bool recordholds(InstallRecord *r, const char *name, char kind, const Fingerprint &f);
// Drops every "installing" and "copying" line.
void recordsettle(InstallRecord *r);
// Whether name is one of the temporary names setup writes a file under
// before it moves it to its own (placebegin).
bool setuptempname(const char *name);

// Reads folder's record.  1 when read; 0 when there is none or it is
// damaged; -1 when it cannot be read.  The record is empty unless read.
int recordload(InstallRecord *r, const char *folder);
// Writes the record whole to a new file in folder, on the disk before it
// takes the old one's place; false when any part fails (the old one stays).
bool recordsave(const InstallRecord *r, const char *folder);

// Puts a whole new file in place: written by the caller to the temporary name
// that placebegin chooses in folder, then flushed and moved over target by
// placefinish, so target is always its old bytes or the whole new ones.  On a
// failure the temporary file is removed.
enum { TEMPNAMEMOST = 1000 };
SetupFile *placebegin(const char *folder, char *temp, size_t size);
bool placefinish(SetupFile *file, const char *temp, const char *target);
void placeabandon(SetupFile *file, const char *temp);
// Puts a whole copy of the file from in the place of target, through a
// temporary file in folder, in the same way; false when any part fails.
bool placecopy(const char *from, const char *folder, const char *target);

#endif
