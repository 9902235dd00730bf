# The picker tests: a driver thread reads the open picker off the screen and
# checks it against the picker's own window-free unit, linked in for its
# geometry (without the library's resources, which the tests reach through
# the exports).
add_library(picker_test_support STATIC support/picker_driver.cpp support/screen_capture.cpp
  support/picker_expectations.cpp)
target_link_libraries(picker_test_support PUBLIC wine_test_support huex_portable comctl32)
if(TARGET test_picker)
  target_sources(test_picker PRIVATE support/unit_without_resources.cpp)
  target_link_libraries(test_picker PRIVATE picker_test_support)
endif()
