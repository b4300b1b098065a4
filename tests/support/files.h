// Whole files read and written in binary, the one way every test program
// arranges and reads back the bytes it checks.
#ifndef VANTREL_TESTFILES_H
#define VANTREL_TESTFILES_H

#include <fstream>
#include <iterator>
#include <string>

// The file's bytes; empty when it cannot be read.
inline std::string readwholefile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Replaces the file with exactly these bytes; false when they are not all written.
inline bool writewholefile(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), (std::streamsize)bytes.size());
    out.close();
    return !out.fail();
}

#endif
