# The demo's scripted tour (samples/huexdemo/tour): it starts from no stored settings and leaves none.
add_test(NAME wine.huexdemo_tour COMMAND huexdemo_tour ${CMAKE_BINARY_DIR}/demo-tour WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set_tests_properties(wine.huexdemo_tour PROPERTIES LABELS wine TIMEOUT 300 RESOURCE_LOCK ${HUEX_SHARED_STATE_LOCK})
