// The module's five functions, taken from a LgICC.dll loaded by path, so a
// test can pick the real module or the recording build and also proves the
// undecorated export names at run time.
#pragma once

#include <windows.h>

#include <string>

#include "../../../src/lgicc/lgicc.h"

struct lgicc_module {
    HMODULE handle = nullptr;
    decltype(&::SetOptions) set_options = nullptr;
    decltype(&::LgoNewTransformPtr) new_transform = nullptr;
    decltype(&::LgoCreateMatchTransformation) create = nullptr;
    decltype(&::LgoICCMatchColors) match = nullptr;
    decltype(&::LgoDeleteMatchTransformation) destroy = nullptr;

    lgicc_module() = default;
    lgicc_module(const lgicc_module&) = delete;
    lgicc_module& operator=(const lgicc_module&) = delete;
    ~lgicc_module() { unload(); }

    void unload()
    {
        if (handle) FreeLibrary(handle);
        handle = nullptr;
    }

    bool load(const std::string& path)
    {
        handle = LoadLibraryA(path.c_str());
        if (!handle) return false;
        find(set_options, "SetOptions");
        find(new_transform, "LgoNewTransformPtr");
        find(create, "LgoCreateMatchTransformation");
        find(match, "LgoICCMatchColors");
        find(destroy, "LgoDeleteMatchTransformation");
        return set_options && new_transform && create && match && destroy;
    }

    template <typename function>
    void find(function& f, const char* name)
    {
        // Through a generic function pointer: FARPROC's own type differs.
        f = reinterpret_cast<function>(reinterpret_cast<void (*)()>(GetProcAddress(handle, name)));
    }

    // The options word exactly as the library builds it when a session begins.
    uint32_t session_options(int32_t intent) const { return set_options(set_options(0, 0, intent), 2, 0); }

    // Prepares t the way the library does; returns the module's status.
    int16_t prepare(lgo_transformation* t, const std::string& source, const std::string& destination,
                    uint32_t options) const
    {
        return create(t, source.c_str(), destination.c_str(), 0, options, 0, 0, 2, 0);
    }

    int16_t convert(lgo_transformation* t, uint32_t options, const uint16_t* in, uint16_t* out,
                    int32_t count, uint16_t source_channels, uint16_t destination_channels) const
    {
        return match(t, options, in, out, count, source_channels, destination_channels, 0, 0, 2, 0);
    }
};

// A Windows path for a file of this source tree (HUEX_SOURCE_DIR is a Unix path
// that Wine maps to drive Z:).
inline std::string source_tree_path(const std::string& relative)
{
    std::string path = std::string("Z:") + HUEX_SOURCE_DIR + "/" + relative;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

// "icc:<file>" is the shared ICC folder, "data:<file>" this folder.
inline std::string reference_profile_path(const std::string& name)
{
    std::string path = name.rfind("icc:", 0) == 0 ? "Z:/usr/share/color/icc/" + name.substr(4)
                                                  : source_tree_path("tests/wine/lgicc/" + name.substr(5));
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}
