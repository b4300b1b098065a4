// The few registry operations that module y needs, under the current user's
// hive, and the UTC date.  On Windows they are advapi32 and GetSystemTime
// (registrywin32.cpp); the host tests link an in-memory model of keys with
// typed named values instead (tests/registrymodel.cpp).
#ifndef VANTREL_REGISTRY_H
#define VANTREL_REGISTRY_H

struct RegistryKey;
typedef RegistryKey *RegHandle;  // null when the key could not be created

enum {
    REGTYPESZ = 1,     // REG_SZ
    REGTYPEDWORD = 4,  // REG_DWORD
    REGCREATED = 1,    // REG_CREATED_NEW_KEY
    REGOPENED = 2      // REG_OPENED_EXISTING_KEY
};

// Creates or opens path under the current user's hive with the class "Key",
// non-volatile, all access.  *disposition is REGCREATED or REGOPENED, and is
// left alone when the key cannot be created (the handle is null then).
RegHandle regcreatekey(const char *path, unsigned long *disposition);

// Opens the existing key path under the current user's hive for reading;
// null when there is none.
RegHandle regopenkey(const char *path);

// Reads the value name into data, which holds *size bytes.  True only when the
// value exists and all of it fitted; *type and *size then say what was read.
// A value too big for data is not read, and is reported as false.
bool regqueryvalue(RegHandle key, const char *name, unsigned long *type,
                   unsigned char *data, unsigned long *size);

// Creates or replaces the value name.  Does nothing on a null handle.
void regsetvalue(RegHandle key, const char *name, unsigned long type,
                 const unsigned char *data, unsigned long size);

void regclosekey(RegHandle key);

// Removes the value name of the open key; does nothing on a null handle.
void regdeletevalue(RegHandle key, const char *name);
// Removes the key path under the current user's hive with its values (it
// must have no subkeys); false when it is not there afterwards.
bool regdeletekey(const char *path);

// Today's date in UTC: year (four digits), month 1..12, day 1..31.
void utcdate(int *y, int *m, int *d);

#endif
