// Native builds read the library's resources from the data files that the
// resource script compiles into the DLL: resource (type, name) is the file
// <name>.<type in lower case> in the resource data folder. Files are read once
// and kept, so spans stay valid for the life of the process like resources do;
// the kept files have a lock of their own, since tests read them from several
// threads, each with a catalogue of its own.
#include <cctype>
#include <cstdio>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "colorlib/addons.h"
#include "colorlib/resource_seam.h"
#include "frame/file_bytes_native.h"

#ifndef HUEX_RESOURCE_DIR
#error "HUEX_RESOURCE_DIR must name the folder of the resource data files"
#endif

namespace {

std::map<std::string, std::vector<uint8_t>>& file_cache()
{
    static std::map<std::string, std::vector<uint8_t>> cache;
    return cache;
}

byte_span read_cached(const std::string& path)
{
    static std::mutex cache_lock;
    const std::lock_guard<std::mutex> hold(cache_lock);
    auto& cache = file_cache();
    auto it = cache.find(path);
    if (it == cache.end()) {
        std::vector<uint8_t> bytes;
        if (!read_file_bytes(path, &bytes)) return {};
        it = cache.emplace(path, std::move(bytes)).first;
    }
    if (it->second.empty()) return {};
    return byte_span{it->second.data(), it->second.size()};
}

std::string file_name(const char* name, const char* type)
{
    std::string s = name;
    s += '.';
    for (const char* p = type; *p; ++p) s += static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
    return s;
}

}  // namespace

byte_span builtin_resource(const char* type, const char* name)
{
    return read_cached(std::string(HUEX_RESOURCE_DIR) + "/" + file_name(name, type));
}

// Natively an add-on is a folder (the record's path) holding addon.<type> files.
byte_span addon_resource(addon_record& record, const char* type)
{
    return read_cached(std::string(record.path) + "/" + file_name("addon", type));
}
