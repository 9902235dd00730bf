# The picker tests read the picker off the screen and drive it with real input, against its unit linked in for its geometry.
add_library(picker_test_support STATIC support/picker_driver.cpp)
target_link_libraries(picker_test_support PUBLIC wine_test_support huex_window_driving huex huex_portable comctl32)
target_link_libraries(test_picker PRIVATE picker_test_support)
target_link_libraries(test_threads PRIVATE picker_test_support)
add_executable(picker_screens screens/picker_screens.cpp)
target_link_libraries(picker_screens PRIVATE picker_test_support gtest_main)
add_dependencies(picker_screens LgICC)
# Other screens, each in a Wine session of its own screen, dpi and prefix (a prefix keeps the screen it was made on).
foreach(run "small;640x480x24;SmallScreen.*:NamesOff.*;96" "palette;1024x768x8;PaletteScreen.*;96"
            "dpi120;1920x1080x24;DpiScreen.*;120" "dpi144;1024x768x24;DpiScreen.*;144" "dpi192;1024x768x24;DpiScreen.*;192")
  list(GET run 0 name)
  list(GET run 1 screen)
  list(GET run 2 filter)
  list(GET run 3 dpi)
  set(timeout_picker_screen_${name} 300)
  set(lock_picker_screen_${name} picker_screen_sessions)
  huex_wine_test(picker_screen_${name} ${CMAKE_CURRENT_SOURCE_DIR}/screens/run-on-screen ${CMAKE_BINARY_DIR}
                 ${screen} ${CMAKE_BINARY_DIR}/screens/${name}/wineprefix $<TARGET_FILE:picker_screens> ${filter} ${dpi})
endforeach()
# A screen reader's view of the pages: uuid before oleacc, whose 64-bit import library has an IID_IAccessible of its own.
target_link_libraries(test_picker_access PRIVATE picker_test_support uuid oleacc ole32 oleaut32)
