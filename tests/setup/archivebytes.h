// Archives laid out byte by byte, independently of the code under test.
#ifndef VANTREL_ARCHIVEBYTES_H
#define VANTREL_ARCHIVEBYTES_H

#include <cstdint>
#include <string>
#include <vector>

struct FakeFile {
    std::string name;  // up to 50 bytes go into the entry as they are
    std::string bytes;
};

inline std::string le32(int32_t value)
{
    std::string out(4, '\0');
    for (int i = 0; i < 4; ++i) out[(size_t)i] = (char)(((uint32_t)value >> (8 * i)) & 0xFF);
    return out;
}

inline std::string field(const std::string &text, size_t size)
{
    std::string out = text.substr(0, size);
    out.resize(size, '\0');
    return out;
}

inline std::string header(const std::string &loc, const std::string &name, int32_t count)
{
    return field(loc, 100) + field("prog.exe", 50) + field(name, 50) + le32(count);
}

inline std::string entry(const std::string &name, int32_t size)
{
    return field(name, 50) + std::string(2, '\0') + le32(size);
}

inline std::string archive(const std::string &loc, const std::string &name,
                           const std::vector<FakeFile> &files)
{
    std::string out = header(loc, name, (int32_t)files.size());
    for (const FakeFile &f : files) out += entry(f.name, (int32_t)f.bytes.size()) + f.bytes;
    return out;
}

#endif
