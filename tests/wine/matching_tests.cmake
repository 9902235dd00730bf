# The host that test_matching runs for the cases needing a library of their own.
add_executable(matching_host matching/matching_host.cpp)
target_link_libraries(matching_host PRIVATE wine_test_support huex gtest_main)
add_dependencies(test_matching matching_host)
