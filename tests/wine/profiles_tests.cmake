# The profile and settings tests. The settings host gives each settings case a
# registry of its own (HKEY_CURRENT_USER redirected in that process), so those
# cases need no lock; the profile tests put files into the shared colour
# directory and leave their profiles in the shared settings at exit.
add_executable(settings_host settings_host/settings_host.cpp)
if(TARGET test_settings)
  add_dependencies(test_settings settings_host)
endif()
if(TARGET test_profiles)
  # The display conversion itself, to predict the library's screen colours.
  target_link_libraries(test_profiles PRIVATE huex_portable)
  set_tests_properties(wine.test_profiles PROPERTIES RESOURCE_LOCK ${HUEX_SHARED_STATE_LOCK})
endif()
