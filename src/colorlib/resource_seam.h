// Where the colour library finds its resource bytes. The DLL implements this
// with FindResourceA/LoadResource (resource_seam_win32.cpp, addon_scan_win32.cpp);
// native builds read the same files from src/resources/
// (resource_seam_native.cpp), so the colour library's logic, the tools and
// the native tests share one code path.
#pragma once
#include <cstdint>

#include "frame/byte_span.h"

struct addon_record;

// A resource of the library itself, e.g. ("PUB", "solidc"), ("NAMES", "spot").
// Empty when there is no such resource.
byte_span builtin_resource(const char* type, const char* name);

// The resource of the given type named "addon" in the add-on of the record,
// whose module is mapped (and kept in the record) at its first use; empty
// when the module or the resource is missing.
byte_span addon_resource(addon_record& record, const char* type);
