# huex_export_definitions(TARGET DEF_FILE [STATIC_LIBS...])
# Exports the names of DEF_FILE undecorated. On x86_64 there is no decoration
# and the file is used as it is. On i686 the WINAPI symbols are _Name@N: a copy
# of the file with the @N added is made from the objects just before linking,
# and --kill-at strips it from the export names. The linker's own import
# library would then lose the decoration too, so it is written again by dlltool
# from the decorated copy: decorated symbols for callers, plain import names.
function(huex_export_definitions target def_file)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(decorated ${CMAKE_CURRENT_BINARY_DIR}/${target}_decorated.def)
    set(archives "")
    foreach(lib ${ARGN})
      list(APPEND archives $<TARGET_FILE:${lib}>)
    endforeach()
    add_custom_command(TARGET ${target} PRE_LINK
      COMMAND ${HUEX_ROOT}/scripts/decorate-def ${HUEX_MINGW_TRIPLE}-nm ${def_file} ${decorated}
              "$<TARGET_OBJECTS:${target}>" ${archives}
      COMMAND_EXPAND_LISTS VERBATIM)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${HUEX_MINGW_TRIPLE}-dlltool --kill-at --input-def ${decorated}
              --dllname $<TARGET_FILE_NAME:${target}> --output-lib $<TARGET_LINKER_FILE:${target}>
      VERBATIM)
    target_link_options(${target} PRIVATE ${decorated} -Wl,--kill-at)
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${def_file})
  else()
    target_sources(${target} PRIVATE ${def_file})
  endif()
endfunction()
