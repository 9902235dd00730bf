// Where the colour library finds its resource bytes. The DLL implements this
// with FindResourceA/LoadResource (resource_seam_win32.cpp); native builds
// read the same files from src/resources/ (resource_seam_native.cpp), so the
// colour library's logic, the tools and the native tests share one code path.
#pragma once
#include <cstdint>

#include "frame/byte_span.h"

// A resource of the library itself, e.g. ("PUB", "solidc"), ("NAMES", "spot").
// Empty when there is no such resource.
byte_span builtin_resource(const char* type, const char* name);

// The resource of the given type named "addon" in the add-on that holds
// publication pub_no; empty when no add-on holds it or the resource is missing.
byte_span addon_resource(uint32_t pub_no, const char* type);
