// The module's five functions from a LgICC.dll loaded by path, which also proves the undecorated export names.
#pragma once

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "../../../src/lgicc/lgicc.h"
#include "test_files.h"

struct lgicc_module {
    HMODULE handle = nullptr;
    decltype(&::SetOptions) set_options = nullptr;
    decltype(&::LgoNewTransformPtr) new_transform = nullptr;
    decltype(&::LgoCreateMatchTransformation) create = nullptr;
    decltype(&::LgoICCMatchColors) match = nullptr;
    decltype(&::LgoDeleteMatchTransformation) destroy = nullptr;

    ~lgicc_module() { if (handle) FreeLibrary(handle); }
    bool load(const std::string& path)
    {
        handle = LoadLibraryA(path.c_str());
        return handle && find(set_options, "SetOptions") && find(new_transform, "LgoNewTransformPtr") &&
               find(create, "LgoCreateMatchTransformation") && find(match, "LgoICCMatchColors") && find(destroy, "LgoDeleteMatchTransformation");
    }
    template <typename function>
    bool find(function& f, const char* name)
    {
        // Through a generic function pointer: FARPROC's own type differs.
        f = reinterpret_cast<function>(reinterpret_cast<void (*)()>(GetProcAddress(handle, name)));
        return f != nullptr;
    }
    // The options word, the preparation and the conversion exactly as the library makes them.
    uint32_t session_options(int32_t intent) const { return set_options(set_options(0, 0, intent), 2, 0); }
    int16_t prepare(lgo_transformation* t, const std::string& source, const std::string& destination, uint32_t options) const
    {
        return create(t, source.c_str(), destination.c_str(), 0, options, 0, 0, 2, 0);
    }
    int16_t convert(lgo_transformation* t, uint32_t options, const uint16_t* in, uint16_t* out, int32_t count,
                    uint16_t source_channels, uint16_t destination_channels) const
    {
        return match(t, options, in, out, count, source_channels, destination_channels, 0, 0, 2, 0);
    }
};

// "icc:<file>" is the shared ICC folder, "data:<file>" this folder.
inline std::string reference_profile_path(const std::string& name)
{
    std::string path = name.rfind("icc:", 0) == 0 ? "Z:/usr/share/color/icc/" + name.substr(4)
                                                  : source_path("tests/wine/lgicc/" + name.substr(5));
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// A call log's lines without the engine's converted values (an expected one: # comments dropped, fields filled).
inline std::vector<std::string> call_log_lines(const std::string& path, const std::vector<std::pair<std::string, std::string>>& fields = {})
{
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t out = line.find(" out=");
        if (out != std::string::npos) line.erase(out, line.find(" status=") - out);
        for (const auto& f : fields)
            for (size_t at; (at = line.find(f.first)) != std::string::npos;) line.replace(at, f.first.size(), f.second);
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    }
    return lines;
}
