set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(HUEX_MINGW_TRIPLE i686-w64-mingw32)
# Floating point in SSE2 registers, as on x86_64: the x87 unit rounds to the
# precision its control word says, which a host's runtime sets per thread
# (MinGW programs to 64 bits, new threads under Windows to 53), so the same
# layout could come out a pixel apart on two threads of one process.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
