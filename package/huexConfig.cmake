# find_package(huex) for a host's CMake project. huex::huex brings the
# header, the import library for the compiler in use and, as runtime files,
# huex.dll with the LgICC.dll it cannot load without: a host copies both
# beside itself with $<TARGET_RUNTIME_DLLS:host>.
get_filename_component(_huex_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)

if(NOT TARGET huex::huex)
  # Microsoft's linker (and clang for the Microsoft ABI) takes huex.lib,
  # MinGW's takes libhuex.dll.a.
  if(MSVC OR "${CMAKE_C_SIMULATE_ID}${CMAKE_CXX_SIMULATE_ID}" MATCHES "MSVC")
    set(_huex_import_library huex.lib)
  else()
    set(_huex_import_library libhuex.dll.a)
  endif()

  # Hosts never call LgICC.dll: it is a runtime file only, never linked.
  add_library(huex::LgICC SHARED IMPORTED)
  set_target_properties(huex::LgICC PROPERTIES IMPORTED_LOCATION "${_huex_prefix}/bin/LgICC.dll")

  add_library(huex::huex SHARED IMPORTED)
  set_target_properties(huex::huex PROPERTIES
    IMPORTED_LOCATION "${_huex_prefix}/bin/huex.dll"
    IMPORTED_IMPLIB "${_huex_prefix}/lib/${_huex_import_library}"
    IMPORTED_LINK_DEPENDENT_LIBRARIES huex::LgICC
    INTERFACE_INCLUDE_DIRECTORIES "${_huex_prefix}/include")
  unset(_huex_import_library)
endif()

unset(_huex_prefix)
