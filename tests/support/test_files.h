// Files for the tests of both suites: whole-file reads and writes, and paths
// into this source tree (HUEX_SOURCE_DIR is the Unix path of the checkout; the
// Windows tests reach it through Wine's Z: drive).
#pragma once
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// The whole of a file; empty when it cannot be read.
inline std::vector<uint8_t> read_file_bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes bytes as the whole of the file at path; true on success.
inline bool write_file_bytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// A file of this source tree, by its path relative to the checkout's root.
inline std::string source_path(const std::string& relative)
{
#ifdef _WIN32
    std::string path = std::string("Z:") + HUEX_SOURCE_DIR + "/" + relative;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
#else
    return std::string(HUEX_SOURCE_DIR) + "/" + relative;
#endif
}
