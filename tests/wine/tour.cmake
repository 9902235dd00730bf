# The demo's scripted tour (samples/huexdemo/tour): it starts from no stored settings and leaves none.
huex_wine_test(huexdemo_tour huexdemo_tour ${CMAKE_BINARY_DIR}/demo-tour)
