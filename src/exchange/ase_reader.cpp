#include "exchange/ase_reader.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "exchange/ansi_text.h"
#include "exchange/ase_writer.h"

namespace {

constexpr uint32_t header_size = 12;
constexpr uint32_t block_head_size = 6;  // type, length

struct color_model {
    char tag[5];
    int channels;
    palette_measure measure;
};

const color_model models[] = {
    {"LAB ", 3, palette_measure::lab_d50},
    {"RGB ", 3, palette_measure::srgb},
    {"CMYK", 4, palette_measure::none},
    {"Gray", 1, palette_measure::srgb},
};

// A colour block's body from `at` up to `end`: each field must fit before the
// end of the block, not merely before the end of the file.
struct block_reader {
    byte_span file;
    uint64_t at, end;

    bool u16(uint16_t* v)
    {
        if (end - at < 2 || !file.u16_be(at, v)) return false;
        at += 2;
        return true;
    }
    bool u32(uint32_t* v)
    {
        if (end - at < 4 || !file.u32_be(at, v)) return false;
        at += 4;
        return true;
    }
    bool f32(float* v)
    {
        uint32_t bits;
        if (!u32(&bits)) return false;
        std::memcpy(v, &bits, sizeof *v);
        return true;
    }
};

enum class name_result { ok, short_block, unpaired_surrogate };

// The name: its length in UTF-16 units with the closing NUL, then the units.
// The closing NUL ends it; a NUL inside it is a control character like any.
name_result read_name(block_reader& r, std::string* name)
{
    uint16_t units;
    if (!r.u16(&units)) return name_result::short_block;
    if (units > (r.end - r.at) / 2) return name_result::short_block;
    const uint64_t last = r.at + uint64_t{units} * 2;
    uint16_t tail = 1;
    const uint16_t length = units > 0 && r.file.u16_be(last - 2, &tail) && tail == 0 ? units - 1 : units;
    for (uint16_t i = 0; i < length; ++i) {
        uint16_t u = 0, low = 0;
        r.u16(&u);  // inside the name, which lies inside the block
        uint32_t code_point = u;
        if (u >= 0xDC00 && u <= 0xDFFF) return name_result::unpaired_surrogate;
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (++i >= length || !r.u16(&low) || low < 0xDC00 || low > 0xDFFF) return name_result::unpaired_surrogate;
            code_point = 0x10000 + ((u - 0xD800u) << 10) + (low - 0xDC00u);
        }
        *name += static_cast<char>(unicode_to_cp1252(code_point));
    }
    r.at = last;
    return name_result::ok;
}

// One colour block whose body is [body, end); false with the refusal made.
bool read_color_block(byte_span file, uint64_t block, uint64_t body, uint64_t end, palette_read* out)
{
    const unsigned long long at = block;
    block_reader r{file, body, end};
    palette_color c;
    switch (read_name(r, &c.name)) {
    case name_result::short_block:
        return palette_refuse(out, palette_refusal::inconsistent, "ASE colour block at byte %llu is shorter than its name", at);
    case name_result::unpaired_surrogate:
        return palette_refuse(out, palette_refusal::bad_text, "ASE colour name at byte %llu is not UTF-16 text (an unpaired surrogate)", at);
    case name_result::ok:
        break;
    }
    uint32_t tag;
    if (!r.u32(&tag))
        return palette_refuse(out, palette_refusal::inconsistent, "ASE colour block at byte %llu ends before its colour model", at);
    char got[5];
    for (int i = 0; i < 4; ++i) got[i] = static_cast<char>(tag >> (24 - 8 * i));
    got[4] = 0;
    const color_model* model = nullptr;
    for (const color_model& m : models)
        if (std::memcmp(got, m.tag, 4) == 0) model = &m;
    if (model == nullptr) {
        for (int i = 0; i < 4; ++i)
            if (got[i] < 0x20 || got[i] > 0x7E) got[i] = '?';
        return palette_refuse(out, palette_refusal::unsupported, "ASE colour at byte %llu has the unknown colour model '%s'", at, got);
    }
    float v[4];
    uint16_t type;
    for (int i = 0; i < model->channels; ++i)
        if (!r.f32(&v[i]))
            return palette_refuse(out, palette_refusal::inconsistent, "ASE colour block at byte %llu ends inside its values", at);
    if (!r.u16(&type))
        return palette_refuse(out, palette_refusal::inconsistent, "ASE colour block at byte %llu ends before its colour type", at);
    for (int i = 0; i < model->channels; ++i)
        if (!std::isfinite(v[i]))
            return palette_refuse(out, palette_refusal::bad_value, "ASE colour at byte %llu has a value that is not a finite number", at);

    c.measure = model->measure;
    if (model->measure == palette_measure::none) {
        c.has_cmyk = true;
        for (int i = 0; i < 4; ++i) c.cmyk[i] = v[i];
    } else if (model->channels == 1) {
        c.value[0] = c.value[1] = c.value[2] = v[0];
    } else {
        // Lightness is stored as a fraction of 100; a* and b* as they are.
        const double scale = model->measure == palette_measure::lab_d50 ? 100.0 : 1.0;
        c.value[0] = v[0] * scale, c.value[1] = v[1], c.value[2] = v[2];
    }
    char where[32];
    std::snprintf(where, sizeof where, "at byte %llu", at);
    return palette_add(out, c, "ASE", where);
}

}  // namespace

palette_read read_ase(byte_span file)
{
    palette_read out;
    if (!palette_size_ok(&out, file.size, "ASE")) return out;
    uint32_t magic = 0, blocks = 0;
    uint16_t major = 0, minor = 0;
    if (file.u32_be(0, &magic) && magic != 0x41534546u) {  // "ASEF"
        palette_refuse(&out, palette_refusal::not_a_palette, "not an ASE file: it does not begin with ASEF");
        return out;
    }
    if (!file.u16_be(4, &major) || !file.u16_be(6, &minor) || !file.u32_be(8, &blocks)) {
        palette_refuse(&out, palette_refusal::truncated, "ASE header needs %u bytes, the file has %llu", header_size,
                       static_cast<unsigned long long>(file.size));
        return out;
    }
    if (major != 1) {
        palette_refuse(&out, palette_refusal::unsupported, "ASE version %u.%u is not known (1.x is)", major, minor);
        return out;
    }
    uint64_t at = header_size;
    for (uint32_t i = 0; i < blocks; ++i) {
        uint16_t type;
        uint32_t length;
        if (!file.u16_be(at, &type) || !file.u32_be(at + 2, &length) || !file.holds(at + block_head_size, length)) {
            palette_refuse(&out, palette_refusal::truncated, "ASE block %u of %u at byte %llu runs past the end of the file", i + 1, blocks,
                           static_cast<unsigned long long>(at));
            return out;
        }
        const uint64_t body = at + block_head_size, end = body + length;
        if (type == ase_color_entry && !read_color_block(file, at, body, end, &out)) return out;
        at = end;
    }
    if (at != file.size) {
        palette_refuse(&out, palette_refusal::inconsistent, "ASE file has data after the last of its %u blocks, from byte %llu on",
                       blocks, static_cast<unsigned long long>(at));
        return out;
    }
    palette_finish(&out, "ASE");
    return out;
}
