// huexinfo profile PATH: what the ICC reader exports see in a profile file.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "console_text.h"
#include "command_line.h"
#include "files.h"
#include "huex.h"
#include "icc/profile_extension.h"

namespace {

const icSignature sig_desc = 0x64657363, sig_text = 0x74657874, sig_xyz = 0x58595A20,
                  sig_curv = 0x63757276, sig_mft1 = 0x6D667431, sig_mft2 = 0x6D667432,
                  sig_ui08 = 0x75693038, sig_ui16 = 0x75693136, sig_ui32 = 0x75693332,
                  sig_ui64 = 0x75693634;

const char* class_name(icSignature c) {
    switch (c) {
    case 0x73636E72: return "input device";
    case 0x6D6E7472: return "display";
    case 0x70727472: return "output device";
    case 0x6C696E6B: return "device link";
    case 0x73706163: return "colour space conversion";
    case 0x61627374: return "abstract";
    case 0x6E6D636C: return "named colour";
    default: return "unknown class";
    }
}

const char* intent_name(DWORD intent) {
    static const char* const names[] = {"perceptual", "relative colorimetric", "saturation",
                                        "absolute colorimetric"};
    return intent < 4 ? names[intent] : "unknown";
}

// sz_signature reuses one buffer, so each text is copied before the next. A
// profile leaves the signatures it does not give (CMM, platform,
// manufacturer) as zero.
std::string sig_text_of(icSignature s) { return s == 0 ? "none" : sz_signature(s); }

void print_header(const MMF_profile_header& h) {
    out("Header\n");
    out("  size              %lu bytes\n", (unsigned long)h.size);
    out("  CMM type          %s\n", sig_text_of(h.cmm_type).c_str());
    out("  version           %lu.%lu.%lu (0x%08lX)\n", (unsigned long)(h.version >> 24),
                (unsigned long)((h.version >> 20) & 0xF), (unsigned long)((h.version >> 16) & 0xF),
                (unsigned long)h.version);
    out("  device class      %s %s\n", sig_text_of(h.device_class).c_str(), class_name(h.device_class));
    out("  colour space      %s\n", sig_text_of(h.color_space).c_str());
    out("  connection space  %s\n", sig_text_of(h.connection_space).c_str());
    out("  created           %04u-%02u-%02u %02u:%02u:%02u\n", h.date.year, h.date.month, h.date.day,
                h.date.hours, h.date.minutes, h.date.seconds);
    out("  file signature    %s%s\n", sig_text_of(h.magic).c_str(),
                h.magic == 0x61637370 ? "" : "  (not a profile's signature)");
    out("  platform          %s\n", sig_text_of(h.platform).c_str());
    out("  flags             0x%08lX\n", (unsigned long)h.flags);
    out("  manufacturer      %s\n", sig_text_of(h.manufacturer).c_str());
    out("  model             0x%08lX\n", (unsigned long)h.model);
    out("  attributes        0x%08lX%08lX\n", (unsigned long)h.attributes_high,
                (unsigned long)h.attributes_low);
    out("  rendering intent  %lu %s\n", (unsigned long)h.rendering_intent, intent_name(h.rendering_intent));
    std::string xyz = sz_XYZNumber(h.illuminant.X, h.illuminant.Y, h.illuminant.Z);
    out("  illuminant        %s %s\n", xyz.c_str(),
                sz_xy_from_XYZNumber(h.illuminant.X, h.illuminant.Y, h.illuminant.Z));
}

// Printable text on one line, at most 72 characters of it.
std::string printable(const char* text, size_t size) {
    std::string out;
    for (size_t i = 0; i < size && text[i] != '\0' && out.size() < 72; ++i)
        out += (text[i] >= 32 && text[i] < 127) ? text[i] : '.';
    return out;
}

void print_contents(HANDLE m, const MMF_tag_entry& e, icSignature type) {
    if (type == sig_desc) {
        char text[256];
        if (MMF_read_ProfileDescriptionType(m, e, text, sizeof text))
            out("\"%s\"", printable(text, sizeof text).c_str());
    } else if (type == sig_text && e.size >= 8) {
        std::vector<char> text(e.size - 8 + 1, '\0');
        if (MMF_read_textType(m, e, text.data()))
            out("\"%s\"", printable(text.data(), text.size()).c_str());
    } else if (type == sig_xyz) {
        icXYZNumber xyz;
        if (MMF_read_XYZType(m, e, &xyz)) {
            std::string numbers = sz_XYZNumber(xyz.X, xyz.Y, xyz.Z);
            out("%s %s", numbers.c_str(), sz_xy_from_XYZNumber(xyz.X, xyz.Y, xyz.Z));
        }
    } else if (type == sig_curv) {
        DWORD n = MMF_get_CurveType_count(m, e);
        double first = 0, last = 0;
        if (n == 0) {
            out("identity");
        } else if (n == 1 && MMF_read_CurveType_index(m, e, 0, &first)) {
            // A single entry is a gamma in 8.8 fixed point.
            out("gamma %.4f", first * 65535.0 / 256.0);
        } else if (MMF_read_CurveType_index(m, e, 0, &first) && MMF_read_CurveType_index(m, e, n - 1, &last)) {
            out("%lu entries, first %.4f, last %.4f", (unsigned long)n, first, last);
        }
    } else if (type == sig_mft1 || type == sig_mft2) {
        MMF_lut_header lut;
        std::memset(&lut, 0, sizeof lut);
        BOOL ok = type == sig_mft2 ? MMF_read_Lut16Type(m, e, &lut) : MMF_read_Lut8Type(m, e, &lut);
        if (ok) {
            out("%u in, %u out, %u grid points", lut.input_channels, lut.output_channels, lut.grid_points);
            if (type == sig_mft2) out(", tables %u/%u entries", lut.input_entries, lut.output_entries);
            double e00, e11, e22;
            decode_s15Fixed16Number(lut.e00, &e00);
            decode_s15Fixed16Number(lut.e11, &e11);
            decode_s15Fixed16Number(lut.e22, &e22);
            out(", matrix diagonal %.4f %.4f %.4f", e00, e11, e22);
        }
    } else if (type == sig_ui08 || type == sig_ui16 || type == sig_ui32 || type == sig_ui64) {
        out("%lu elements", (unsigned long)get_UIntArrayType_count(e, type));
    } else {
        out("-");  // a type the reader does not decode
    }
}

// Why the reader refused a file, which it does not say: the system's answer
// when the file does not open, else the reader's own rules.
int open_failure(const char* path, DWORD reader_error) {
    if (const DWORD error = open_error(path)) return file_failure("profile", "open", path, error);
    if (!has_profile_extension(path)) {
        err("huexinfo profile: cannot open %s: the reader takes names ending in .icc, .icm or .pf\n", path);
        return 1;
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExW(wide_of(path).c_str(), GetFileExInfoStandard, &data) && data.nFileSizeHigh == 0 && data.nFileSizeLow == 0) {
        err("huexinfo profile: cannot open %s: the file is empty\n", path);
        return 1;
    }
    return file_failure("profile", "open", path, reader_error ? reader_error : ERROR_OPEN_FAILED);
}

}  // namespace

int cmd_profile(int argc, char** argv) {
    if (argc != 2) return usage_error("profile");
    HANDLE mapping = nullptr, file = nullptr;
    SetLastError(0);
    if (!MMF_open_profile_fileW(wide_of(argv[1]).c_str(), &mapping, &file)) return open_failure(argv[1], GetLastError());
    out("Profile %s\n\n", argv[1]);
    MMF_profile_header h;
    if (!MMF_read_profile_header(mapping, &h)) {
        out("No header: the file is shorter than 128 bytes.\n");
        MMF_close_profile_file(mapping, file);
        return 1;
    }
    print_header(h);

    DWORD count = MMF_read_profile_tag_count(mapping);
    out("\nTag directory: %lu tags\n", (unsigned long)count);
    out("  %4s  %-6s  %-6s  %8s  %8s  %s\n", "#", "tag", "type", "offset", "size", "contents");
    for (DWORD i = 0; i < count && i < 1000; ++i) {
        MMF_tag_entry e;
        icSignature type;
        if (!MMF_read_tag(mapping, LONG(i), &e, &type)) {
            out("  %4lu  (entry or tag outside the file)\n", (unsigned long)i);
            continue;
        }
        std::string tag = sig_text_of(e.signature), kind = sig_text_of(type);
        out("  %4lu  %-6s  %-6s  %8lu  %8lu  ", (unsigned long)i, tag.c_str(), kind.c_str(),
                    (unsigned long)e.offset, (unsigned long)e.size);
        print_contents(mapping, e, type);
        out("\n");
    }
    if (count > 1000) out("  ... %lu more entries not shown\n", (unsigned long)(count - 1000));
    MMF_close_profile_file(mapping, file);
    return 0;
}
