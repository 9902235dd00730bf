# The picker's interaction tests drive the window with the shared picker
# driver; where the driver lives in a library of its own, link that too.
if(TARGET test_picker_interaction AND TARGET picker_test_support)
  target_link_libraries(test_picker_interaction PRIVATE picker_test_support)
endif()
