// A publication built in the test: its descriptor and tables are written as
// an add-on folder (natively an add-on is a folder of addon.<type> files) and
// registered as the only add-on, so look-ups run the same code path as for a
// real add-on, including tables shorter or stranger than any shipped one.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "colorlib/addons.h"
#include "frame/library_state.h"

struct addon_tables {
    uint32_t pub_no = 4;
    uint32_t colors_per_page = 3;
    uint32_t number_of_pages = 2;
    uint32_t name_size = 15;
    std::string suffixes = "[DSX][PSX]";
    std::vector<std::string> names;           // each padded or cut to name_size
    std::vector<uint16_t> cie50, cie65, cmyk;  // flat little-endian words
    std::vector<std::string> pages;           // each padded to 8 bytes
    bool with_cie65 = true;
    std::string raw_names;  // used instead of names when not empty
};

class addon_table_fixture : public ::testing::Test {
protected:
    void TearDown() override
    {
        addon_count = 0;
        addon_list = nullptr;
        first_addon = addon_record{};
        reset_library_state();
        // The tables were read while the test ran (the seam keeps their bytes),
        // so the folders can go now.
        for (const std::string& dir : dirs_) std::filesystem::remove_all(dir);
        dirs_.clear();
    }

    static void write_file(const std::string& path, const std::string& bytes)
    {
        FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr) << path;
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }

    static std::string words(const std::vector<uint16_t>& w)
    {
        std::string s;
        for (uint16_t v : w) {
            s += static_cast<char>(v & 0xFF);
            s += static_cast<char>(v >> 8);
        }
        return s;
    }

    // Records of a fixed width: each cut or padded with NULs.
    static std::string records(const std::vector<std::string>& texts, size_t width)
    {
        std::string s;
        for (const std::string& t : texts) {
            std::string rec = t.substr(0, width);
            rec.resize(width, '\0');
            s += rec;
        }
        return s;
    }

    // Writes the tables into a folder of their own (the native resource seam
    // keeps what it read, so every publication gets a fresh path) and makes
    // it the one add-on.
    void install(const addon_tables& t)
    {
        static int serial = 0;
        std::string dir = ::testing::TempDir() + "huex_addon_" + std::to_string(getpid()) + "_" + std::to_string(++serial);
        // An aborted earlier run whose process had the same id may have left
        // this folder behind: start from an empty one.
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
        ASSERT_TRUE(std::filesystem::create_directory(dir)) << dir;
        dirs_.push_back(dir);
        std::string pub = "// [desc] pub_no colors_per_page number_of_pages //\r\n[Test Guide] " + std::to_string(t.pub_no) +
                          " " + std::to_string(t.colors_per_page) + " " + std::to_string(t.number_of_pages) +
                          "\r\n// suffixes\r\n" + t.suffixes + "\r\n// [CMYK Description] //\r\n[Test]\r\n// COLOR_NAME_SIZE //\r\n" +
                          std::to_string(t.name_size) + "\r\n";
        write_file(dir + "/addon.pub", pub);
        write_file(dir + "/addon.names", t.raw_names.empty() ? records(t.names, t.name_size) : t.raw_names);
        write_file(dir + "/addon.cie50", words(t.cie50));
        if (t.with_cie65) write_file(dir + "/addon.cie65", words(t.cie65));
        write_file(dir + "/addon.cmyk", words(t.cmyk));
        write_file(dir + "/addon.page", records(t.pages, 8));

        first_addon = addon_record{};
        first_addon.pub_no = t.pub_no;
        std::snprintf(first_addon.desc, sizeof first_addon.desc, "Test Guide");
        std::snprintf(first_addon.path, sizeof first_addon.path, "%s", dir.c_str());
        first_addon.system = 549;
        first_addon.flag = 0;
        addon_list = &first_addon;
        addon_count = 1;
    }

private:
    std::vector<std::string> dirs_;
};
