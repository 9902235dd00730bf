# The demo's scripted tour: a program of its own that starts the sample host
# huexdemo and drives it and the picker with real input, keeping a screenshot
# of each step (with the picker tests' screen capture and PNG writer).
add_executable(huexdemo_tour tour/huexdemo_tour.cpp tour/real_input.cpp tour/other_process_windows.cpp
  support/screen_capture.cpp support/picker_driver.cpp)
target_include_directories(huexdemo_tour PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/support)
target_link_libraries(huexdemo_tour PRIVATE advapi32)
add_dependencies(huexdemo_tour huexdemo)
add_test(NAME wine.huexdemo_tour COMMAND huexdemo_tour ${CMAKE_BINARY_DIR}/demo-tour WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
# It starts from no stored settings and leaves none.
set_tests_properties(wine.huexdemo_tour PROPERTIES LABELS wine TIMEOUT 300 RESOURCE_LOCK ${HUEX_SHARED_STATE_LOCK})
