// A designer's swatch file as the readers hand it on: its colours in file
// order, each with a name in the library's single-byte text, the measurement
// the file gives and the CMYK it gives, or the reason the file was refused.
// The bytes come from outside (a file someone dropped into a folder), so
// every reader checks every length and count against the bytes it was given.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Files above this size are refused unread: a palette of the most colours
// with the longest names takes well under a megabyte in every format.
constexpr size_t palette_file_size_max = 4u << 20;
// A palette's records hold a 15-bit index, but a picker page of seven
// colours makes 4096 colours almost 600 pages: more is no palette a person
// picks from, and a file with more is refused rather than cut.
constexpr size_t palette_colors_max = 4096;
// The longest name a colour keeps, in bytes: the longest full name the
// library composes. Longer names are cut and counted in names_cut.
constexpr size_t palette_name_size = 75;
// A name longer than this many characters in the file is no colour name
// (a text field read from the wrong place): the file is refused.
constexpr size_t palette_file_name_max = 1024;

enum class palette_measure : uint8_t {
    lab_d50,  // L* 0..100, a*, b* against the ICC's D50 white
    xyz_d50,  // X, Y, Z under D50, white Y = 1
    srgb,     // red, green, blue 0..1 with the sRGB curve
    none,     // the file gives only the colour's CMYK
};

struct palette_color {
    std::string name;  // Windows-1252, unrepresentable characters as '?'; may be empty
    palette_measure measure = palette_measure::none;
    double value[3] = {};
    bool has_cmyk = false;
    double cmyk[4] = {};  // ink 0..1
};

enum class palette_refusal : uint8_t {
    none,
    file_too_large,   // over palette_file_size_max
    too_many_colors,  // over palette_colors_max
    name_too_long,    // over palette_file_name_max characters
    truncated,        // a structure runs past the end of the data
    not_a_palette,    // not this format, or a kind of it that holds no colours
    unsupported,      // a version or colour model this reader does not know
    inconsistent,     // lengths or counts that disagree with each other
    bad_value,        // a number out of its range, not a number, or infinite
    bad_text,         // a name that is not text in the format's encoding
    no_colors,        // a well-formed file without a single colour
};

struct palette_read {
    palette_refusal refusal = palette_refusal::none;
    std::string reason;  // one English line for a command line; empty when read
    std::vector<palette_color> colors;
    uint32_t names_cut = 0;  // names longer than palette_name_size, cut
};

// Shared by the readers.

// Records the refusal with its printf-style reason; returns false so that a
// reader can `return refuse(...)`. Colours read so far are dropped.
bool palette_refuse(palette_read* read, palette_refusal why, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;

// Refuses a file over palette_file_size_max; `format` names it in the reason.
bool palette_size_ok(palette_read* read, size_t size, const char* format);

// Appends a colour whose name the reader has converted: refuses the file at
// the colour beyond palette_colors_max or a name beyond
// palette_file_name_max, cuts a name beyond palette_name_size. `where`
// names the colour's place for a reason ("at byte 120", "on line 7").
bool palette_add(palette_read* read, palette_color color, const char* format, const char* where);

// Refuses a file that gave no colour.
bool palette_finish(palette_read* read, const char* format);
