// The registry seam on Windows: advapi32 under HKEY_CURRENT_USER, and the
// system clock's UTC date.
#include <windows.h>

#include "common/registry.h"

RegHandle regcreatekey(const char *path, unsigned long *disposition)
{
    HKEY key = nullptr;
    DWORD result = 0;
    char keyclass[] = "Key";
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, keyclass, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, &result) != ERROR_SUCCESS)
        return nullptr;
    *disposition = result;
    return reinterpret_cast<RegHandle>(key);
}

RegHandle regopenkey(const char *path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
    return reinterpret_cast<RegHandle>(key);
}

bool regqueryvalue(RegHandle key, const char *name, unsigned long *type, unsigned char *data,
                   unsigned long *size)
{
    if (key == nullptr) return false;
    DWORD kind = 0;
    DWORD bytes = *size;
    LONG status = RegQueryValueExA(reinterpret_cast<HKEY>(key), name, nullptr, &kind, data, &bytes);
    *type = kind;
    *size = bytes;
    return status == ERROR_SUCCESS;
}

void regsetvalue(RegHandle key, const char *name, unsigned long type, const unsigned char *data,
                 unsigned long size)
{
    if (key == nullptr) return;
    RegSetValueExA(reinterpret_cast<HKEY>(key), name, 0, type, data, size);
}

void regclosekey(RegHandle key)
{
    if (key != nullptr) RegCloseKey(reinterpret_cast<HKEY>(key));
}

void regdeletevalue(RegHandle key, const char *name)
{
    if (key != nullptr) RegDeleteValueA(reinterpret_cast<HKEY>(key), name);
}

bool regdeletekey(const char *path)
{
    LONG status = RegDeleteKeyA(HKEY_CURRENT_USER, path);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

void utcdate(int *y, int *m, int *d)
{
    SYSTEMTIME now;
    GetSystemTime(&now);
    *y = now.wYear;
    *m = now.wMonth;
    *d = now.wDay;
}
