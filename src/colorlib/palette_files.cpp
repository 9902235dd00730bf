#include "colorlib/palette_files.h"

#include <algorithm>

#include "colorlib/color_system_codes.h"
#include "exchange/ansi_text.h"
#include "exchange/palette_tables.h"

namespace {

char16_t ascii_lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool ends_with(const std::u16string& name, const char16_t* tail)
{
    const std::u16string t(tail);
    if (name.size() <= t.size()) return false;  // ".ase" alone names no palette
    for (size_t k = 0; k < t.size(); ++k)
        if (ascii_lower(name[name.size() - t.size() + k]) != t[k]) return false;
    return true;
}

}  // namespace

palette_format palette_format_of(const std::u16string& file_name)
{
    if (ends_with(file_name, u".ase")) return palette_format::ase;
    if (ends_with(file_name, u".gpl")) return palette_format::gpl;
    if (ends_with(file_name, u".icc") || ends_with(file_name, u".icm")) return palette_format::icc;
    return palette_format::none;
}

std::vector<palette_file> choose_palette_files(std::vector<palette_file> found)
{
    found.erase(std::remove_if(found.begin(), found.end(),
                               [](const palette_file& f) { return palette_format_of(f.name) == palette_format::none; }),
                found.end());
    std::stable_sort(found.begin(), found.end(), [](const palette_file& a, const palette_file& b) {
        return a.key != b.key ? a.key < b.key : a.folder < b.folder;
    });
    found.erase(std::unique(found.begin(), found.end(), [](const palette_file& a, const palette_file& b) { return a.key == b.key; }),
                found.end());
    return found;
}

std::vector<uint32_t> assign_palette_codes(const std::vector<std::u16string>& keys,
                                           const std::vector<palette_pairing>& stored,
                                           std::vector<palette_pairing>* added)
{
    constexpr uint32_t span = last_palette_system - first_palette_system + 1;
    bool taken[span] = {};
    auto in_range = [](uint32_t n) { return n >= first_palette_system && n <= last_palette_system; };
    for (const palette_pairing& p : stored)
        if (in_range(p.system_number)) taken[p.system_number - first_palette_system] = true;

    std::vector<uint32_t> numbers(keys.size(), 0);
    bool held[span] = {};  // by a palette of this list
    for (size_t i = 0; i < keys.size(); ++i)
        for (const palette_pairing& p : stored)
            if (p.key == keys[i] && in_range(p.system_number) && !held[p.system_number - first_palette_system]) {
                numbers[i] = p.system_number;
                held[p.system_number - first_palette_system] = true;
                break;
            }
    uint32_t next = 0;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (numbers[i] != 0) continue;
        while (next < span && (taken[next] || held[next])) ++next;
        if (next == span) break;
        numbers[i] = first_palette_system + next;
        held[next] = true;
        if (added != nullptr) added->push_back({keys[i], numbers[i]});
    }
    return numbers;
}

std::string palette_desc_of(const std::u16string& file_name)
{
    const size_t dot = file_name.rfind(u'.');
    const std::u16string stem = file_name.substr(0, dot == std::u16string::npos ? file_name.size() : dot);
    std::string desc;
    for (size_t k = 0; k < stem.size() && desc.size() < palette_desc_max; ++k) {
        uint32_t c = stem[k];
        // A character beyond the first plane is one '?', not two.
        if (c >= 0xD800 && c <= 0xDBFF && k + 1 < stem.size() && stem[k + 1] >= 0xDC00 && stem[k + 1] <= 0xDFFF) ++k;
        desc.push_back(static_cast<char>(unicode_to_cp1252(c)));
    }
    return desc;
}
