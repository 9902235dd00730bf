// The add-on contract check and the descriptor readers on arbitrary add-on
// contents. Input: five little-endian 16-bit lengths (PUB, NAMES, CIE50,
// CIE65, CMYK), then the two strings as NUL-ended texts of at most 19
// characters (a leading 0xFF byte instead of a text means "no string"), then
// the five resources one after the other, each cut to what is left.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "colorlib/addon_contract.h"
#include "colorlib/descriptor.h"

namespace {

struct reader {
    const uint8_t* data;
    size_t size;
    size_t at = 0;

    size_t left() const { return size - at; }
    uint16_t u16()
    {
        if (left() < 2) return 0;
        uint16_t v = static_cast<uint16_t>(data[at] | data[at + 1] << 8);
        at += 2;
        return v;
    }
    // A string, or nullptr for "none"; always consumes up to its NUL.
    const char* text(char (&buffer)[20])
    {
        if (left() > 0 && data[at] == 0xFF) {
            ++at;
            return nullptr;
        }
        size_t n = 0;
        while (left() > 0 && data[at] != 0) {
            if (n < sizeof buffer - 1) buffer[n++] = static_cast<char>(data[at]);
            ++at;
        }
        if (left() > 0) ++at;
        buffer[n] = 0;
        return buffer;
    }
    // Copied so that the sanitizer sees the exact end of each resource.
    byte_span take(std::vector<uint8_t>& keep, size_t n)
    {
        if (n > left()) n = left();
        keep.assign(data + at, data + at + n);
        at += n;
        return keep.empty() ? byte_span{} : byte_span{keep.data(), keep.size()};
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    reader in{data, size};
    uint16_t lengths[5];
    for (uint16_t& n : lengths) n = in.u16();
    char system[20], flag[20];
    const char* system_text = in.text(system);
    const char* flag_text = in.text(flag);
    std::vector<uint8_t> keep[5];
    byte_span spans[5];
    for (int i = 0; i < 5; ++i) spans[i] = in.take(keep[i], lengths[i]);

    addon_contents contents = {spans[0], spans[1], spans[2], spans[3], spans[4], system_text, flag_text};
    addon_breach breaches[4];
    check_addon(contents, breaches, 4);

    char text[256], suffix[descriptor_suffix_size];
    read_desc(spans[0], text, 255);
    read_cmyk_description(spans[0], text, 255);
    read_picker_description(spans[0], text, 255);
    read_suffix(spans[0], 0, suffix);
    read_suffix(spans[0], 1, suffix);
    return 0;
}
