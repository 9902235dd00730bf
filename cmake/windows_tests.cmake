# Both Windows builds run the whole Windows suite under Wine, each in a prefix
# of its own. A test's CTest name and label say which build it ran:
# wine32.* the shipped i686 build, wine64.* the x86_64 build.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(HUEX_WINE wine64)
  set(HUEX_OTHER_MINGW_TRIPLE i686-w64-mingw32)
else()
  set(HUEX_WINE wine32)
  set(HUEX_OTHER_MINGW_TRIPLE x86_64-w64-mingw32)
endif()

# huex_wine_test(NAME COMMAND...): the timeout is timeout_NAME seconds, else
# 120, a few times a test's normal length on two cores, so that a hang is a
# quick failure too (a crash already is: every prefix has Wine's crash dialog
# off). Every load of the library reads the settings key at start and writes
# it at exit, and several tests put profiles into the shared colour folders:
# tests run one at a time unless lock_NAME names another lock.
set(HUEX_SHARED_STATE_LOCK huex_registry_and_color_directory)
function(huex_wine_test name)
  set(timeout 120)
  set(lock ${HUEX_SHARED_STATE_LOCK})
  if(DEFINED timeout_${name})
    set(timeout ${timeout_${name}})
  endif()
  if(DEFINED lock_${name})
    set(lock ${lock_${name}})
  endif()
  add_test(NAME ${HUEX_WINE}.${name} COMMAND ${ARGN} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(${HUEX_WINE}.${name} PROPERTIES LABELS "wine;${HUEX_WINE}" TIMEOUT ${timeout} RESOURCE_LOCK ${lock})
endfunction()

# huex_other_machine_module(TARGET FILE RC_FILE INCLUDE_DIRS...): a
# resource-only module as the other build's toolchain makes it, into
# bin/other_machine/. Hosts of either machine read such modules as images.
function(huex_other_machine_module target file rc)
  set(out ${CMAKE_BINARY_DIR}/bin/other_machine)
  list(TRANSFORM ARGN PREPEND -I)
  add_custom_command(OUTPUT ${out}/${file}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
    COMMAND ${HUEX_OTHER_MINGW_TRIPLE}-windres ${ARGN} ${rc} -O coff -o ${out}/${file}.res
    COMMAND ${HUEX_OTHER_MINGW_TRIPLE}-gcc -shared -nostdlib -Wl,-e,0 -s ${out}/${file}.res -o ${out}/${file}
    DEPENDS ${rc} $<TARGET_FILE:${target}> VERBATIM)
  add_custom_target(${target}_other_machine DEPENDS ${out}/${file})
endfunction()
