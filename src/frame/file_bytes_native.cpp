#include "frame/file_bytes_native.h"

#include <cstdio>

bool read_file_bytes(const std::string& path, std::vector<uint8_t>* bytes)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return false;
    bytes->clear();
    uint8_t chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) bytes->insert(bytes->end(), chunk, chunk + n);
    std::fclose(f);
    return true;
}
