// Whole files as bytes, for the native builds (tools, native tests and the
// native resource seam); the DLL reads resources and mapped views instead.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Replaces *bytes with the file's contents; false when it cannot be opened.
bool read_file_bytes(const std::string& path, std::vector<uint8_t>* bytes);
