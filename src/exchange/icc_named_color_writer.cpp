#include "exchange/icc_named_color_writer.h"

#include "exchange/ansi_text.h"
#include "exchange/big_endian_bytes.h"
#include "exchange/cie_lab.h"

namespace {

constexpr size_t header_size = 128;
constexpr uint32_t version_2_4 = 0x02400000;

// The ICC's D50 in s15Fixed16: the illuminant field and the media white point.
const uint32_t d50_fixed[3] = {0x0000F6D6, 0x00010000, 0x0000D32D};

// Device values span 0..65535 for 0..100 % ink, rounded to the nearest.
uint32_t ink_word(uint32_t tenths)
{
    if (tenths > 1000) tenths = 1000;
    return (tenths * 65535u + 500u) / 1000u;
}

bool fits_name_field(const std::string& text) { return text.size() <= icc_longest_name && is_printable_ascii(text); }

void pad_to_4(std::vector<uint8_t>& out)
{
    while (out.size() % 4) out.push_back(0);
}

std::vector<uint8_t> text_description(const std::string& text)
{
    std::vector<uint8_t> t;
    put_tag(t, "desc");
    put_u32(t, 0);
    put_u32(t, static_cast<uint32_t>(text.size() + 1));
    t.insert(t.end(), text.begin(), text.end());
    t.push_back(0);
    put_u32(t, 0);              // Unicode language code
    put_u32(t, 0);              // Unicode count: no Unicode text
    put_u16(t, 0);              // ScriptCode code
    t.push_back(0);             // ScriptCode count
    t.insert(t.end(), 67, 0);   // ScriptCode text
    return t;
}

std::vector<uint8_t> text_type(const std::string& text)
{
    std::vector<uint8_t> t;
    put_tag(t, "text");
    put_u32(t, 0);
    t.insert(t.end(), text.begin(), text.end());
    t.push_back(0);
    return t;
}

std::vector<uint8_t> xyz_type(const uint32_t (&xyz)[3])
{
    std::vector<uint8_t> t;
    put_tag(t, "XYZ ");
    put_u32(t, 0);
    for (uint32_t v : xyz) put_u32(t, v);
    return t;
}

std::vector<uint8_t> named_color2(const color_book& book, const std::vector<const book_color*>& colors, bool with_cmyk)
{
    std::vector<uint8_t> t;
    put_tag(t, "ncl2");
    put_u32(t, 0);
    put_u32(t, 0);  // vendor flags
    put_u32(t, static_cast<uint32_t>(colors.size()));
    put_u32(t, with_cmyk ? 4 : 0);
    put_padded(t, book.prefix, icc_name_field);
    put_padded(t, book.suffix, icc_name_field);
    for (const book_color* c : colors) {
        put_padded(t, c->name, icc_name_field);
        uint16_t lab[3];
        lab_to_icc_v2_words(lab_from_d50_hundredths(c->xyz_d50), lab);
        for (uint16_t w : lab) put_u16(t, w);
        if (with_cmyk)
            for (uint16_t ink : c->cmyk) put_u16(t, ink_word(ink));
    }
    return t;
}

}  // namespace

icc_write_result write_icc_named_colors(const color_book& book, const icc_date_time& created)
{
    icc_write_result result;
    if (!fits_name_field(book.prefix) || !fits_name_field(book.suffix)) {
        result.status = icc_write_status::prefix_or_suffix_too_long;
        return result;
    }
    std::vector<const book_color*> colors;
    bool all_recipes = true;
    for (const book_color& c : book.colors) {
        if (!fits_name_field(c.name)) {
            ++result.names_left_out;
            continue;
        }
        colors.push_back(&c);
        all_recipes = all_recipes && c.has_recipe;
    }
    if (colors.empty()) {
        result.status = icc_write_status::no_colors;
        return result;
    }

    struct tag {
        char sig[5];
        std::vector<uint8_t> data;
    };
    const tag tags[] = {
        {"desc", text_description(ascii_fallback(book.desc))},
        {"cprt", text_type(ascii_fallback(book.copyright))},
        {"wtpt", xyz_type(d50_fixed)},
        {"ncl2", named_color2(book, colors, all_recipes)},
    };
    const size_t tag_count = sizeof tags / sizeof tags[0];

    std::vector<uint8_t>& out = result.bytes;
    out.assign(header_size, 0);
    put_u32(out, tag_count);
    const size_t directory = out.size();
    out.insert(out.end(), tag_count * 12, 0);
    for (size_t i = 0; i < tag_count; ++i) {
        pad_to_4(out);
        const size_t at = directory + i * 12;
        std::memcpy(&out[at], tags[i].sig, 4);
        set_u32(out, at + 4, static_cast<uint32_t>(out.size()));
        set_u32(out, at + 8, static_cast<uint32_t>(tags[i].data.size()));
        out.insert(out.end(), tags[i].data.begin(), tags[i].data.end());
    }
    pad_to_4(out);

    std::vector<uint8_t> h;
    put_u32(h, static_cast<uint32_t>(out.size()));
    put_u32(h, 0);  // no preferred colour management module
    put_u32(h, version_2_4);
    put_tag(h, "nmcl");
    // The data colour space is that of the device coordinates; without any,
    // the colours are known by their Lab alone.
    put_tag(h, all_recipes ? "CMYK" : "Lab ");
    put_tag(h, "Lab ");
    for (uint16_t v : {created.year, created.month, created.day, created.hours, created.minutes, created.seconds})
        put_u16(h, v);
    put_tag(h, "acsp");
    h.resize(68, 0);  // platform, flags, device maker and model, attributes, intent
    for (uint32_t v : d50_fixed) put_u32(h, v);
    std::memcpy(out.data(), h.data(), h.size());
    return result;
}
