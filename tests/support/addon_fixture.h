// Add-on files made by a test at run time: a copy of a resource-only module
// with the add-on's resources written into it, so that a case can hold exactly
// the tables it needs (short ones, odd widths, missing ones).
#pragma once
#include <initializer_list>
#include <string>

// Little-endian 16-bit words, the form of every colour table.
std::string table_words(std::initializer_list<unsigned> values);

struct addon_tables {
    std::string pub, names, cie50, cie65, cmyk;  // an empty table is left out
    const char* code;                            // string 2
    const char* flag;                            // string 3
};

// Writes an add-on file at path; true when every resource was written.
bool build_addon(const std::string& path, const addon_tables& tables);
