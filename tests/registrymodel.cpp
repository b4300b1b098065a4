#include "tests/registrymodel.h"

#include <cstring>
#include <map>

#include "common/registry.h"
#include "common/text.h"

namespace {

struct ModelValue {
    unsigned long type;
    std::string data;  // the bytes as stored
};

struct Key {
    std::map<std::string, ModelValue> values;  // by lower-case name
};

std::map<std::string, Key> hive;  // by lower-case path
std::vector<std::string> calls;
int today[3] = {2003, 1, 11};
bool denied = false;
int open = 0;

std::string lower(const std::string &text)
{
    std::string out = text;
    for (char &c : out) c = lowerascii(c);
    return out;
}

// The path as the registry takes it: no trailing backslashes.
std::string keyof(const std::string &path)
{
    std::string out = lower(path);
    while (!out.empty() && out.back() == '\\') out.pop_back();
    return out;
}

// Creates the key and every key above it; true when it was new.
bool makekey(const std::string &path)
{
    std::string key = keyof(path);
    bool created = hive.find(key) == hive.end();
    for (size_t at = key.find('\\'); at != std::string::npos; at = key.find('\\', at + 1))
        hive[key.substr(0, at)];
    hive[key];
    return created;
}

// The value as a DWORD; -1 when it is not a four-byte REG_DWORD.
long long dwordof(const ModelValue &v)
{
    if (v.type != REGTYPEDWORD || v.data.size() != 4) return -1;
    long long out = 0;
    for (int i = 3; i >= 0; --i) out = out << 8 | (unsigned char)v.data[(size_t)i];
    return out;
}

std::string describe(unsigned long type, const std::string &data)
{
    long long dword = dwordof(ModelValue{type, data});
    if (dword >= 0) return "DWORD " + std::to_string(dword);
    if (type == REGTYPESZ) return "SZ " + std::string(data.c_str());
    return "TYPE" + std::to_string(type) + " " + std::to_string(data.size()) + " bytes";
}

}  // namespace

struct RegistryKey {
    std::string path;
};

RegHandle regcreatekey(const char *path, unsigned long *disposition)
{
    calls.push_back(std::string("create ") + path);
    if (denied) return nullptr;
    *disposition = makekey(path) ? REGCREATED : REGOPENED;
    ++open;
    return new RegistryKey{path};
}

RegHandle regopenkey(const char *path)
{
    calls.push_back(std::string("open ") + path);
    if (hive.count(keyof(path)) == 0) return nullptr;
    ++open;
    return new RegistryKey{path};
}

bool regqueryvalue(RegHandle key, const char *name, unsigned long *type, unsigned char *data,
                   unsigned long *size)
{
    if (key == nullptr) return false;
    calls.push_back("query " + key->path + " " + name);
    Key &k = hive[keyof(key->path)];
    auto found = k.values.find(lower(name));
    if (found == k.values.end()) return false;
    *type = found->second.type;
    unsigned long needed = (unsigned long)found->second.data.size();
    bool fits = needed <= *size;
    if (fits) memcpy(data, found->second.data.data(), needed);
    *size = needed;
    return fits;
}

void regsetvalue(RegHandle key, const char *name, unsigned long type, const unsigned char *data,
                 unsigned long size)
{
    if (key == nullptr) return;
    std::string bytes(reinterpret_cast<const char *>(data), size);
    calls.push_back("set " + key->path + " " + name + " " + describe(type, bytes));
    hive[keyof(key->path)].values[lower(name)] = ModelValue{type, bytes};
}

void regclosekey(RegHandle key)
{
    if (key == nullptr) return;
    calls.push_back("close " + key->path);
    --open;
    delete key;
}

void regdeletevalue(RegHandle key, const char *name)
{
    if (key == nullptr) return;
    calls.push_back("delete " + key->path + " " + name);
    hive[keyof(key->path)].values.erase(lower(name));
}

bool regdeletekey(const char *path)
{
    calls.push_back(std::string("delete ") + path);
    if (denied) return false;
    hive.erase(keyof(path));
    return true;
}

void utcdate(int *y, int *m, int *d)
{
    *y = today[0];
    *m = today[1];
    *d = today[2];
}

void resetregistry()
{
    hive.clear();
    calls.clear();
    denied = false;
    open = 0;
    setmodeldate(2003, 1, 11);
}

void setmodeldate(int y, int m, int d)
{
    today[0] = y;
    today[1] = m;
    today[2] = d;
}

void failkeycreation(bool fail) { denied = fail; }

const std::vector<std::string> &registrylog() { return calls; }
void clearregistrylog() { calls.clear(); }
int openkeys() { return open; }

bool modelhaskey(const std::string &path) { return hive.count(keyof(path)) != 0; }

bool modelhasvalue(const std::string &path, const std::string &name)
{
    auto key = hive.find(keyof(path));
    return key != hive.end() && key->second.values.count(lower(name)) != 0;
}

static ModelValue modelvalue(const std::string &path, const std::string &name)
{
    if (!modelhasvalue(path, name)) return ModelValue{0, ""};
    return hive[keyof(path)].values[lower(name)];
}

long long modeldword(const std::string &path, const std::string &name) { return dwordof(modelvalue(path, name)); }

std::string modelstring(const std::string &path, const std::string &name)
{
    ModelValue v = modelvalue(path, name);
    return v.type == REGTYPESZ ? v.data : std::string();
}

size_t modelvaluecount(const std::string &path)
{
    auto key = hive.find(keyof(path));
    return key == hive.end() ? 0 : key->second.values.size();
}
