#include "contact_sheet.h"

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "display/display_state.h"
#include "frame/file_bytes_native.h"

namespace {

struct sheet_guide {
    const char* pub;
    int colours_per_page;
    int pages;
    int pages_per_band;
};
const sheet_guide sheet_guides[] = {
    {"solidc", 7, 136, 34},
    {"solidu", 7, 136, 34},
    {"simprc", 7, 136, 34},
    {"process", 9, 334, 48},
};

const int swatch_width = 20;
const int swatch_height = 14;
const int gap = 2;
const int band_gap = 10;
const uint8_t background = 96;

bool write_png(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool ok = png != nullptr && info != nullptr;
    // libpng reports errors by longjmp; nothing here owns resources that
    // skipping past would leak beyond the two released below.
    if (ok && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, f);
        png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < height; ++y)
            png_write_row(png, const_cast<png_bytep>(&rgb[static_cast<size_t>(y) * width * 3]));
        png_write_end(png, nullptr);
    } else {
        ok = false;
    }
    png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
    return std::fclose(f) == 0 && ok;
}

bool draw_guide(display_state& display, const sheet_guide& g, const std::string& data_dir, const std::string& out_dir, std::string* error)
{
    std::vector<uint8_t> cie;
    std::string path = data_dir + "/" + g.pub + ".cie50";
    const size_t colours = static_cast<size_t>(g.colours_per_page) * g.pages;
    if (!read_file_bytes(path, &cie) || cie.size() < colours * 6) {
        *error = "cannot read " + path;
        return false;
    }
    const int bands = (g.pages + g.pages_per_band - 1) / g.pages_per_band;
    const int band_height = g.colours_per_page * (swatch_height + gap) + band_gap;
    const int width = gap + g.pages_per_band * (swatch_width + gap) + gap;
    const int height = band_gap + bands * band_height;
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3, background);

    for (size_t i = 0; i < colours; ++i) {
        const uint8_t* rec = &cie[i * 6];
        double X = (rec[0] | rec[1] << 8) / 100.0, Y = (rec[2] | rec[3] << 8) / 100.0, Z = (rec[4] | rec[5] << 8) / 100.0;
        const rgb8 shown = xyz_to_display_rgb(display, X, Y, Z);
        const int32_t r = shown.r, gr = shown.g, b = shown.b;
        int page = static_cast<int>(i) / g.colours_per_page, row = static_cast<int>(i) % g.colours_per_page;
        int left = gap + (page % g.pages_per_band) * (swatch_width + gap);
        int top = band_gap + (page / g.pages_per_band) * band_height + row * (swatch_height + gap);
        for (int y = top; y < top + swatch_height; ++y) {
            for (int x = left; x < left + swatch_width; ++x) {
                uint8_t* px = &rgb[(static_cast<size_t>(y) * width + x) * 3];
                px[0] = static_cast<uint8_t>(r);
                px[1] = static_cast<uint8_t>(gr);
                px[2] = static_cast<uint8_t>(b);
            }
        }
    }
    std::string png_path = out_dir + "/" + g.pub + ".png";
    if (!write_png(png_path, width, height, rgb)) {
        *error = "cannot write " + png_path;
        return false;
    }
    return true;
}

}  // namespace

bool write_contact_sheets(const std::string& data_dir, const std::string& out_dir, std::string* error)
{
    display_state display;   // the built-in display model
    for (const sheet_guide& g : sheet_guides)
        if (!draw_guide(display, g, data_dir, out_dir, error)) return false;
    return true;
}
