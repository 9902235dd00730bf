#include "exchange/ase_writer.h"

#include "exchange/ansi_text.h"
#include "exchange/big_endian_bytes.h"
#include "exchange/cie_lab.h"

namespace {

// A name: its length in UTF-16 units with the closing NUL, the units, the NUL.
void put_name(std::vector<uint8_t>& out, const std::string& cp1252)
{
    std::u16string name = cp1252_to_utf16(cp1252);
    // The length field is 16 bits wide; the library's texts are far shorter.
    if (name.size() > 0xFFFE) name.resize(0xFFFE);
    put_u16(out, static_cast<uint32_t>(name.size() + 1));
    for (char16_t u : name) put_u16(out, u);
    put_u16(out, 0);
}

// A block: its type, then its length, which is known once the body is written.
size_t begin_block(std::vector<uint8_t>& out, uint16_t type)
{
    put_u16(out, type);
    put_u32(out, 0);
    return out.size();
}

void end_block(std::vector<uint8_t>& out, size_t body)
{
    set_u32(out, body - 4, static_cast<uint32_t>(out.size() - body));
}

}  // namespace

std::vector<uint8_t> write_ase(const color_book& book)
{
    std::vector<uint8_t> out;
    put_tag(out, "ASEF");
    put_u16(out, 1);
    put_u16(out, 0);
    put_u32(out, static_cast<uint32_t>(book.colors.size() + 2));

    size_t body = begin_block(out, ase_group_start);
    put_name(out, book.desc);
    end_block(out, body);

    for (const book_color& c : book.colors) {
        body = begin_block(out, ase_color_entry);
        put_name(out, full_name(book, c));
        if (book.process && c.has_recipe) {
            put_tag(out, "CMYK");
            for (uint16_t ink : c.cmyk) put_f32(out, (ink > 1000 ? 1000 : ink) / 1000.0f);
        } else {
            // A process colour without a recipe still has its measurement.
            const cie_lab lab = lab_from_d50_hundredths(c.xyz_d50);
            put_tag(out, "LAB ");
            put_f32(out, static_cast<float>(lab.L / 100.0));
            put_f32(out, static_cast<float>(lab.a));
            put_f32(out, static_cast<float>(lab.b));
        }
        put_u16(out, book.process ? ase_type_process : ase_type_spot);
        end_block(out, body);
    }

    begin_block(out, ase_group_end);
    return out;
}
