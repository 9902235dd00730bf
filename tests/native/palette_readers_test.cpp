// Swatch files read back into publication tables: every guide through our own writers, files other writers make,
// and one row per refusal.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "color_book_from_tables.h"
#include "colorlib/addon_contract.h"
#include "colorlib/ciede2000.h"
#include "colorlib/color_tables.h"
#include "exchange/ase_reader.h"
#include "exchange/ase_writer.h"
#include "exchange/big_endian_bytes.h"
#include "exchange/gpl_reader.h"
#include "exchange/gpl_writer.h"
#include "exchange/icc_named_color_reader.h"
#include "exchange/icc_named_color_writer.h"
#include "exchange/palette_tables.h"
#include "exchange/srgb_from_d50.h"

namespace {

using bytes = std::vector<uint8_t>;
byte_span span(const bytes& v) { return byte_span{v.data(), v.size()}; }
bytes text(const std::string& s) { return bytes(s.begin(), s.end()); }
uint16_t word(const bytes& t, size_t at) { return static_cast<uint16_t>(t[at] | t[at + 1] << 8); }

struct format {
    std::string name;
    std::function<bytes(const color_book&)> write;
    palette_read (*read)(byte_span);
};
const format ase = {"ase", write_ase, read_ase}, gpl = {"gpl", [](const color_book& b) { return text(write_gpl(b)); }, read_gpl},
             icc = {"icc", [](const color_book& b) { return write_icc_named_colors(b, {2026, 1, 2, 3, 4, 5}).bytes; }, read_icc_named_colors};

color_book book_of(size_t colours) {
    color_book b;
    b.desc = "Test", b.prefix = "P ", b.suffix = " S";
    for (size_t i = 0; i < colours; ++i) b.colors.push_back({"C" + std::to_string(i), {4821, 5000, 4125}, true, {850, 120, 333, 500}});
    return b;
}

bytes ase_color(const std::u16string& name, const char* model, std::vector<float> values, size_t extra = 0, int length_change = 0) {
    bytes body, block;
    put_u16(body, uint32_t(name.size() + 1));
    for (char16_t u : name + u'\0') put_u16(body, u);
    body.insert(body.end(), model, model + 4);
    for (float v : values) put_f32(body, v);
    put_u16(body, ase_type_spot);
    body.resize(body.size() + extra, 0xEE);
    put_u16(block, ase_color_entry), put_u32(block, uint32_t(int(body.size()) + length_change));
    block.insert(block.end(), body.begin(), body.end());
    return block;
}

bytes ase_file(std::vector<bytes> blocks) {
    bytes f = text("ASEF");
    put_u32(f, 0x00010000), put_u32(f, uint32_t(blocks.size()));
    for (const bytes& b : blocks) f.insert(f.end(), b.begin(), b.end());
    return f;
}

// Our two-colour profile with one number changed, in the file or inside its ncl2 tag (the fourth in its directory).
bytes icc_with(size_t at, uint32_t value, bool in_tag = false) {
    bytes p = icc.write(book_of(2));
    set_u32(p, at + (in_tag ? size_t(p[172]) << 24 | p[173] << 16 | p[174] << 8 | p[175] : 0), value);
    return p;
}

}  // namespace

// Read back with the library's own readers. ASE and ICC carry Lab, and the stored hundredths come back; ICC carries
// every guide's recipes, ASE a process guide's in place of Lab. GPL carries 8-bit sRGB clipped to its gamut: the
// table's colour written again gives the same numbers within one code (near black a hundredth moves a channel by up
// to 0.9 of a code).
TEST(PaletteReaders, every_guide_written_and_read_back_gives_its_tables) {
    for (const format& f : {ase, gpl, icc})
        for (int n = 0; n < 4; ++n) {
            SCOPED_TRACE(f.name + " of publication " + std::to_string(n));
            const table_files files = builtin_table_files(HUEX_RESOURCE_DIR, n);
            const color_book book = color_book_from_tables(files, "test");
            const bytes cie65 = read_file_bytes(files.cie50.substr(0, files.cie50.size() - 2) + "65");
            const palette_read read = f.read(span(f.write(book)));
            ASSERT_EQ(read.refusal, palette_refusal::none) << read.reason;
            const palette_tables t = build_palette_tables(read.colors, book.desc, 4);
            const size_t count = book.colors.size();
            ASSERT_TRUE(t.ok && read.colors.size() == count);
            char desc[100];
            read_desc(span(t.pub), desc, 99);
            EXPECT_EQ(desc + std::to_string(read_colors_per_page(span(t.pub)) * read_number_of_pages(span(t.pub)) - count),
                      book.desc + std::to_string((7 - count % 7) % 7));
            const bool recipes = f.name == "icc" || (f.name == "ase" && n == 3);
            EXPECT_EQ(t.cmyk.size(), recipes ? count * 8 : 0u);
            const addon_contents addon = {span(t.pub), span(t.names), span(t.cie50), span(t.cie65), span(t.cmyk), "549", "0"};
            if (n < 3) {
                EXPECT_EQ(check_addon(addon, nullptr, 0), recipes ? 0 : 1) << "all but a missing CMYK table";
            }
            int off = 0;
            for (size_t i = 0; i < count; ++i) {
                const book_color& c = book.colors[i];
                char name[80];
                read_stored_name(color_name_table{span(t.names), read_color_name_size(span(t.pub))}, uint32_t(i), name, 79);
                const measured_xyz m = read_color_xyz(span(t.cie50), uint32_t(i)).value_or(measured_xyz{0, 0, 0});
                const double de = ciede2000(lab_from_d50_xyz(m.X / 100, m.Y / 100, m.Z / 100), lab_from_d50_hundredths(c.xyz_d50));
                bool same = name == full_name(book, c);
                for (int k = 0; recipes && k < 4; ++k) same = same && word(t.cmyk, i * 8 + k * 2) == c.cmyk[k];
                if (read.colors[i].measure == palette_measure::srgb) {
                    uint8_t want[3], got[3];
                    const uint16_t stored[3] = {word(t.cie50, i * 6), word(t.cie50, i * 6 + 2), word(t.cie50, i * 6 + 4)};
                    srgb_from_d50_hundredths(c.xyz_d50, want), srgb_from_d50_hundredths(stored, got);
                    for (int k = 0; k < 3; ++k) same = same && std::abs(want[k] - got[k]) <= 1;
                } else if (read.colors[i].measure != palette_measure::none) {
                    // The committed D65 table was adapted from unrounded D50 values.
                    same = same && de <= 0.01;
                    for (int k = 0; k < 3; ++k) same = same && std::abs(word(t.cie65, i * 6 + 2 * k) - word(cie65, i * 6 + 2 * k)) <= 2;
                }
                if (!same && ++off <= 3) ADD_FAILURE() << "colour " << i << " " << name << ", delta E " << de;
            }
        }
}

// What other writers put in their files: custom bytes after a colour, Gray, RGB and CMYK colours, a name without a
// colour, a byte order mark, CR LF, comments, Latin-1 text, Lab in XYZ, version 4, padding after a profile.
TEST(PaletteReaders, files_of_other_writers) {
    const std::u16string long_name(80, u'x');
    bytes padded_xyz_v4 = icc_with(20, 0x58595A20);  // XYZ
    set_u32(padded_xyz_v4, 8, 0x04300000);
    padded_xyz_v4.resize(padded_xyz_v4.size() + 3);
    const struct {
        palette_read (*read)(byte_span);
        bytes file;
        std::string names;
        uint16_t first_xyz[3];
        size_t recipes;
    } rows[] = {
        {read_ase, ase_file({ase_color(u"Gr\u00E2y \U0001F600", "Gray", {0.5f}, 6), ase_color(u"", "RGB ", {1, 1, 1}), ase_color(long_name, "CMYK", {0, 0, 0, 1})}),
         "Gr\xE2y ?|Color 2|" + std::string(75, 'x'), {2064, 2141, 1766}, 0},
        {read_gpl, text("\xEF\xBB\xBFGIMP Palette \r\nName: n\r\nColumns: 3\r\n# c\r\n\r\n 255 255 255\tW\xC3\xA9 \xE2\x82\xAC\r\n0 0 0\r\n"),
         "W\xE9 \x80|Color 2", {9642, 10000, 8249}, 0},
        {read_gpl, text("GIMP Palette\n255 0 0 Caf\xE9\n"), "Caf\xE9", {4360, 2224, 139}, 0},
        {read_icc_named_colors, padded_xyz_v4, "P C0 S|P C1 S", {15154, 10000, 9999}, 2},
    };
    for (const auto& row : rows) {
        const palette_read read = row.read(span(row.file));
        ASSERT_EQ(read.refusal, palette_refusal::none) << read.reason;
        const palette_tables t = build_palette_tables(read.colors, "A [b]", 4);
        std::string names;
        for (size_t i = 0; i < read.colors.size(); ++i)
            names += (i ? "|" : "") + std::string(std::string(t.names.begin() + i * t.name_width, t.names.begin() + (i + 1) * t.name_width).c_str());
        char desc[10];
        read_desc(span(t.pub), desc, 9);
        EXPECT_EQ(names + "/" + desc, row.names + "/A (b)");
        EXPECT_EQ(bytes(t.cie50.begin(), t.cie50.begin() + 6), (bytes{uint8_t(row.first_xyz[0]), uint8_t(row.first_xyz[0] >> 8), uint8_t(row.first_xyz[1]),
                                                                      uint8_t(row.first_xyz[1] >> 8), uint8_t(row.first_xyz[2]), uint8_t(row.first_xyz[2] >> 8)}));
        EXPECT_EQ(t.cmyk.size(), row.recipes * 8);
    }
}

TEST(PaletteReaders, refusals) {
    const bytes two_ase = ase.write(book_of(2)), two_icc = icc.write(book_of(2)), big(palette_file_size_max + 1, ' ');
    bytes unversioned = two_ase, trailing = two_ase;
    unversioned[5] = 2, trailing.push_back(0);
    std::string gpl_4097 = "GIMP Palette\n";
    for (int i = 0; i < 4097; ++i) gpl_4097 += "1 2 3 n\n";
    const struct {
        const char* what;
        palette_read (*read)(byte_span);
        bytes file;
        palette_refusal want;
    } rows[] = {
        {"ase too large", read_ase, big, palette_refusal::file_too_large},
        {"gpl too large", read_gpl, big, palette_refusal::file_too_large},
        {"icc too large", read_icc_named_colors, big, palette_refusal::file_too_large},
        {"ase 4097 colours", read_ase, ase.write(book_of(4097)), palette_refusal::too_many_colors},
        {"gpl 4097 colours", read_gpl, text(gpl_4097), palette_refusal::too_many_colors},
        {"icc 4097 colours", read_icc_named_colors, icc.write(book_of(4097)), palette_refusal::too_many_colors},
        {"name of 1025", read_ase, ase_file({ase_color(std::u16string(1025, u'x'), "LAB ", {0.5f, 0, 0})}), palette_refusal::name_too_long},
        {"not ASEF", read_ase, text("ASEX\1\0\0\0\0\0\0\0"), palette_refusal::not_a_palette},
        {"ase version 2", read_ase, unversioned, palette_refusal::unsupported},
        {"ase model HSB", read_ase, ase_file({ase_color(u"a", "HSB ", {0, 0, 0})}), palette_refusal::unsupported},
        {"ase block shorter than its colour", read_ase, ase_file({ase_color(u"a", "LAB ", {0, 0, 0}, 0, -1)}), palette_refusal::inconsistent},
        {"ase bytes after the last block", read_ase, trailing, palette_refusal::inconsistent},
        {"ase not a number", read_ase, ase_file({ase_color(u"a", "RGB ", {0, NAN, 0})}), palette_refusal::bad_value},
        {"ase unpaired surrogate", read_ase, ase_file({ase_color(u"a\xD800" "b", "LAB ", {0, 0, 0})}), palette_refusal::bad_text},
        {"ase lone low surrogate", read_ase, ase_file({ase_color(u"\xDC00", "LAB ", {0, 0, 0})}), palette_refusal::bad_text},
        {"ase groups only", read_ase, ase_file({bytes{0xC0, 0x01, 0, 0, 0, 2, 0, 0}, bytes{0xC0, 0x02, 0, 0, 0, 0}}), palette_refusal::no_colors},
        {"gpl header", read_gpl, text("GIMP Palett\n1 2 3 a\n"), palette_refusal::not_a_palette},
        {"gpl 256", read_gpl, text("GIMP Palette\n1 2 3 a\n1 256 3 b\n"), palette_refusal::bad_value},
        {"gpl two numbers", read_gpl, text("GIMP Palette\n1 2 x\n"), palette_refusal::bad_value},
        {"gpl no colour", read_gpl, text("GIMP Palette\nName: x\n#\n"), palette_refusal::no_colors},
        {"icc no acsp", read_icc_named_colors, icc_with(36, 0), palette_refusal::not_a_palette},
        {"icc class mntr", read_icc_named_colors, icc_with(12, 0x6D6E7472), palette_refusal::not_a_palette},
        {"icc without ncl2", read_icc_named_colors, icc_with(168, 0x6E636C33), palette_refusal::not_a_palette},
        {"icc version 5", read_icc_named_colors, icc_with(8, 0x05000000), palette_refusal::unsupported},
        {"icc connection space RGB", read_icc_named_colors, icc_with(20, 0x52474220), palette_refusal::unsupported},
        {"icc tag type ncol", read_icc_named_colors, icc_with(0, 0x6E636F6C, true), palette_refusal::unsupported},
        {"icc declares less than a header", read_icc_named_colors, icc_with(0, 131), palette_refusal::inconsistent},
        {"icc declares more than it has", read_icc_named_colors, icc_with(0, uint32_t(two_icc.size() + 1)), palette_refusal::truncated},
        {"icc tag past the end", read_icc_named_colors, icc_with(172, uint32_t(two_icc.size() - 8)), palette_refusal::truncated},
        {"icc count the tag cannot hold", read_icc_named_colors, icc_with(12, 3, true), palette_refusal::inconsistent},
        {"icc 3 coordinates for CMYK", read_icc_named_colors, icc_with(16, 3, true), palette_refusal::inconsistent},
        {"icc 16 coordinates", read_icc_named_colors, icc_with(16, 16, true), palette_refusal::inconsistent},
        {"icc tag head cut", read_icc_named_colors, icc_with(176, 80), palette_refusal::inconsistent},
        {"icc no colour", read_icc_named_colors, icc_with(12, 0, true), palette_refusal::no_colors},
    };
    for (const auto& row : rows) {
        const palette_read read = row.read(span(row.file));
        EXPECT_TRUE(read.refusal == row.want && read.colors.empty() && !read.reason.empty()) << row.what << ": " << read.reason;
    }
    // Every cut of a whole file.
    for (const auto& whole : {std::make_pair(two_ase, read_ase), std::make_pair(two_icc, read_icc_named_colors)})
        for (size_t size = 0; size < whole.first.size(); ++size) {
            const bytes cut(whole.first.begin(), whole.first.begin() + size);
            const palette_read read = whole.second(span(cut));
            EXPECT_EQ(read.refusal, palette_refusal::truncated) << size << ": " << read.reason;
        }
    // The largest palette that is not refused, and the longest name.
    EXPECT_EQ(read_ase(span(ase.write(book_of(4096)))).colors.size(), 4096u);
    EXPECT_EQ(read_ase(span(ase_file({ase_color(std::u16string(1024, u'x'), "LAB ", {0.5f, 0, 0})}))).names_cut, 1u);
}
