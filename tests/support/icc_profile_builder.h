// Profiles made byte by byte for tests, each field placed where a test wants it, well-formed or not.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace icc_test {

inline void put32(std::vector<uint8_t>& v, uint32_t x) { v.insert(v.end(), {uint8_t(x >> 24), uint8_t(x >> 16), uint8_t(x >> 8), uint8_t(x)}); }
inline void put16(std::vector<uint8_t>& v, uint16_t x) { v.insert(v.end(), {uint8_t(x >> 8), uint8_t(x)}); }
inline void set32(std::vector<uint8_t>& v, size_t at, uint32_t x) { for (int i = 0; i < 4; ++i) v[at + i] = uint8_t(x >> (24 - 8 * i)); }
inline uint32_t get32(const uint8_t* p) { return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3]; }
inline uint32_t sig(const char* s) { return get32(reinterpret_cast<const uint8_t*>(s)); }

inline std::vector<uint8_t> tag_data(const char* type, const std::vector<uint8_t>& contents) {
    std::vector<uint8_t> v(type, type + 4);
    v.resize(8);
    v.insert(v.end(), contents.begin(), contents.end());
    return v;
}
inline std::vector<uint8_t> text_tag(const std::string& text) {
    return tag_data("text", std::vector<uint8_t>(text.c_str(), text.c_str() + text.size() + 1));
}
// A v2 description: count and text, then the empty Unicode and ScriptCode parts.
inline std::vector<uint8_t> desc_tag(uint32_t count, const std::string& text) {
    std::vector<uint8_t> c;
    put32(c, count);
    c.insert(c.end(), text.begin(), text.end());
    c.insert(c.end(), 4 + 4 + 2 + 1 + 67, 0);
    return tag_data("desc", c);
}
inline std::vector<uint8_t> desc_tag(const std::string& text) { return desc_tag(uint32_t(text.size() + 1), text + std::string(1, '\0')); }
inline std::vector<uint8_t> xyz_tag(uint32_t x, uint32_t y, uint32_t z) {
    std::vector<uint8_t> c;
    for (uint32_t n : {x, y, z}) put32(c, n);
    return tag_data("XYZ ", c);
}
inline std::vector<uint8_t> curve_tag(const std::vector<uint16_t>& entries) {
    std::vector<uint8_t> c;
    put32(c, uint32_t(entries.size()));
    for (uint16_t e : entries) put16(c, e);
    return tag_data("curv", c);
}
// An identity matrix and tables of zeros.
inline std::vector<uint8_t> lut16_tag(uint8_t in, uint8_t out, uint8_t grid, uint16_t in_entries, uint16_t out_entries) {
    std::vector<uint8_t> c = {in, out, grid, 0};
    for (int i = 0; i < 9; ++i) put32(c, (i % 4 == 0) ? 0x00010000u : 0u);
    put16(c, in_entries), put16(c, out_entries);
    size_t grid_points = 1;
    for (int i = 0; i < in; ++i) grid_points *= grid;
    c.insert(c.end(), 2 * (size_t(in) * in_entries + grid_points * out + size_t(out) * out_entries), 0);
    return tag_data("mft2", c);
}

struct builder {
    struct tag { uint32_t signature; std::vector<uint8_t> data; };
    std::vector<uint8_t> header = std::vector<uint8_t>(128, 0);
    std::vector<tag> tags;

    builder() {
        const struct { size_t at; uint32_t value; } fields[] = {
            {4, sig("lcms")}, {8, 0x02100000}, {12, sig("mntr")}, {16, sig("RGB ")}, {20, sig("XYZ ")},
            {36, sig("acsp")}, {68, 0x0000F6D6}, {72, 0x00010000}, {76, 0x0000D32D},
        };
        for (const auto& f : fields) set32(header, f.at, f.value);
    }
    builder& add(const char* signature, std::vector<uint8_t> data) {
        tags.push_back({sig(signature), std::move(data)});
        return *this;
    }
    // Header, count, directory, then each tag on a 4-byte boundary.
    std::vector<uint8_t> build() const {
        std::vector<uint8_t> v = header;
        put32(v, uint32_t(tags.size()));
        const size_t dir = v.size();
        v.resize(dir + 12 * tags.size());
        for (size_t i = 0; i < tags.size(); ++i) {
            v.resize((v.size() + 3) / 4 * 4);
            set32(v, dir + 12 * i, tags[i].signature);
            set32(v, dir + 12 * i + 4, uint32_t(v.size()));
            set32(v, dir + 12 * i + 8, uint32_t(tags[i].data.size()));
            v.insert(v.end(), tags[i].data.begin(), tags[i].data.end());
        }
        set32(v, 0, uint32_t(v.size()));
        return v;
    }
};

inline size_t entry_at(size_t i) { return 132 + 12 * i; }

}  // namespace icc_test
