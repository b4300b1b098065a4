// Reading back what module y and setup.exe wrote under HKEY_CURRENT_USER.
#ifndef VANTREL_REALREGISTRY_H
#define VANTREL_REALREGISTRY_H

#include <windows.h>

#include <string>

static const std::string PARENT = "Software\\Marvoc";

// The value's type and bytes; false when the key or the value is missing.
inline bool readvalue(const std::string &path, const std::string &name, DWORD *type, std::string *data)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    char bytes[512];
    DWORD size = sizeof bytes;
    LONG status = RegQueryValueExA(key, name.c_str(), nullptr, type, reinterpret_cast<BYTE *>(bytes), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return false;
    data->assign(bytes, size);
    return true;
}

// The value as a four-byte REG_DWORD, or -1.
inline long long readdword(const std::string &path, const std::string &name)
{
    DWORD type = 0;
    std::string data;
    if (!readvalue(path, name, &type, &data) || type != REG_DWORD || data.size() != 4) return -1;
    return (long long)(unsigned char)data[0] | (long long)(unsigned char)data[1] << 8 |
           (long long)(unsigned char)data[2] << 16 | (long long)(unsigned char)data[3] << 24;
}

static const std::string UNINSTALLENTRIES = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// Removes the records of name and its entry among the installed programs, so
// that a test starts from nothing.
inline void forget(const std::string &name)
{
    RegDeleteKeyA(HKEY_CURRENT_USER, (PARENT + "\\" + name.substr(0, 50)).c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, (UNINSTALLENTRIES + name).c_str());
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, PARENT.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, name.c_str());
        RegCloseKey(key);
    }
}

inline long long utctoday()
{
    SYSTEMTIME now;
    GetSystemTime(&now);
    return now.wYear * 10000LL + now.wMonth * 100 + now.wDay;
}

#endif
