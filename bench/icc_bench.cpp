// Walking a profile's directory and reading every tag: this reader (from
// memory, and with one mapping of the file per read as the exports do)
// against Little CMS opening the same file and reading the same tags.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <lcms2.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "icc/icc_directory.h"
#include "icc/icc_tag_readers.h"

namespace {

const char* const largest_profile = "/usr/share/color/icc/ITULab.icc";
const char* const display_profile = "/usr/share/color/icc/sRGB.icc";

// Reads every tag with the reader its type calls for; returns a checksum so
// the work cannot be optimised away.
uint64_t read_tag(byte_span file, icc_tag_entry e, uint32_t type) {
    uint64_t sum = 0;
    if (type == icc_sig('d', 'e', 's', 'c')) {
        char text[256];
        sum += icc_read_description(file, e, text, sizeof text) ? uint8_t(text[0]) : 0;
    } else if (type == icc_sig('t', 'e', 'x', 't')) {
        std::vector<char> text(e.size - 8);
        sum += icc_read_text(file, e, text.data());
    } else if (type == icc_sig('X', 'Y', 'Z', ' ')) {
        icc_xyz_raw xyz;
        if (icc_read_xyz(file, e, &xyz)) sum += xyz.x;
    } else if (type == icc_sig('c', 'u', 'r', 'v')) {
        uint32_t n = icc_curve_count(file, e);
        double v;
        for (uint32_t i = 0; i < n; ++i)
            if (icc_read_curve_entry(file, e, i, &v)) sum += uint64_t(v * 65535.0);
    } else if (type == icc_sig('m', 'f', 't', '2')) {
        icc_lut_header lut;
        if (icc_read_lut16(file, e, &lut)) sum += lut.grid_points;
    } else if (type == icc_sig('m', 'f', 't', '1')) {
        icc_lut_header lut;
        if (icc_read_lut8(file, e, &lut)) sum += lut.grid_points;
    }
    return sum;
}

uint64_t walk(byte_span file) {
    uint64_t sum = 0;
    uint32_t count = icc_tag_count(file);
    for (uint32_t i = 0; i < count; ++i) {
        icc_tag_entry e;
        uint32_t type;
        if (icc_read_tag(file, int32_t(i), &e, &type)) sum += read_tag(file, e, type);
    }
    return sum;
}

std::vector<uint8_t> read_file(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void bm_reader_in_memory(benchmark::State& state, const char* path) {
    std::vector<uint8_t> bytes = read_file(path);
    byte_span file{bytes.data(), bytes.size()};
    for (auto _ : state) benchmark::DoNotOptimize(walk(file));
}

// The exports' way: the file opened once, and every read (count, entry,
// curve entry ...) maps the whole file and unmaps it again.
template <class read_fn>
auto with_view(int fd, size_t size, read_fn read) {
    void* base = mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0);
    auto result = read(byte_span{static_cast<const uint8_t*>(base), size});
    munmap(base, size);
    return result;
}

void bm_reader_mapping_per_read(benchmark::State& state, const char* path) {
    for (auto _ : state) {
        int fd = open(path, O_RDONLY);
        struct stat st;
        fstat(fd, &st);
        size_t size = size_t(st.st_size);
        uint64_t sum = 0;
        uint32_t count = with_view(fd, size, [](byte_span f) { return icc_tag_count(f); });
        for (uint32_t i = 0; i < count; ++i) {
            icc_tag_entry e;
            uint32_t type;
            if (!with_view(fd, size, [&](byte_span f) { return icc_read_tag(f, int32_t(i), &e, &type); }))
                continue;
            if (type == icc_sig('c', 'u', 'r', 'v')) {
                uint32_t n = with_view(fd, size, [&](byte_span f) { return icc_curve_count(f, e); });
                for (uint32_t k = 0; k < n; ++k) {
                    double v = 0;
                    with_view(fd, size, [&](byte_span f) { return icc_read_curve_entry(f, e, k, &v); });
                    sum += uint64_t(v * 65535.0);
                }
            } else {
                sum += with_view(fd, size, [&](byte_span f) { return read_tag(f, e, type); });
            }
        }
        close(fd);
        benchmark::DoNotOptimize(sum);
    }
}

void bm_lcms_open_and_read(benchmark::State& state, const char* path) {
    cmsSetLogErrorHandler(nullptr);
    for (auto _ : state) {
        cmsHPROFILE p = cmsOpenProfileFromFile(path, "r");
        int n = cmsGetTagCount(p);
        for (int i = 0; i < n; ++i) benchmark::DoNotOptimize(cmsReadTag(p, cmsGetTagSignature(p, cmsUInt32Number(i))));
        cmsCloseProfile(p);
    }
}

void bm_lcms_open_and_read_raw(benchmark::State& state, const char* path) {
    std::vector<uint8_t> buffer(1 << 20);
    for (auto _ : state) {
        cmsHPROFILE p = cmsOpenProfileFromFile(path, "r");
        int n = cmsGetTagCount(p);
        for (int i = 0; i < n; ++i)
            benchmark::DoNotOptimize(cmsReadRawTag(p, cmsGetTagSignature(p, cmsUInt32Number(i)), buffer.data(),
                                                   cmsUInt32Number(buffer.size())));
        cmsCloseProfile(p);
    }
}

}  // namespace

BENCHMARK_CAPTURE(bm_reader_in_memory, largest, largest_profile);
BENCHMARK_CAPTURE(bm_reader_mapping_per_read, largest, largest_profile);
BENCHMARK_CAPTURE(bm_lcms_open_and_read, largest, largest_profile);
BENCHMARK_CAPTURE(bm_lcms_open_and_read_raw, largest, largest_profile);
BENCHMARK_CAPTURE(bm_reader_in_memory, display, display_profile);
BENCHMARK_CAPTURE(bm_reader_mapping_per_read, display, display_profile);
BENCHMARK_CAPTURE(bm_lcms_open_and_read, display, display_profile);
BENCHMARK_CAPTURE(bm_lcms_open_and_read_raw, display, display_profile);
