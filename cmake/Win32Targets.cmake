# Cross build: the PE32 GUI executable and the Windows build of the command-line tool.
enable_language(RC)
file(GLOB_RECURSE SHELL_SOURCES CONFIGURE_DEPENDS src/*_win32.cpp)
list(FILTER SHELL_SOURCES EXCLUDE REGEX "/src/tools/")

set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/resources")
add_executable(Tivrel WIN32 ${SHELL_SOURCES} resources/tivrel.rc)
target_link_libraries(Tivrel PRIVATE tivrel_core comctl32 comdlg32 ws2_32)
target_link_options(Tivrel PRIVATE -static -s -Wl,--gc-sections)
target_compile_options(tivrel_core PRIVATE -ffunction-sections -fdata-sections -fno-exceptions)
target_compile_options(Tivrel PRIVATE -ffunction-sections -fdata-sections -fno-exceptions)
set_target_properties(Tivrel PROPERTIES OUTPUT_NAME Tivrel RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
configure_file(resources/ReadMe.htm ${CMAKE_BINARY_DIR}/ReadMe.htm COPYONLY)

add_executable(tivrel-cpuid src/tools/TivrelCpuid.cpp)
target_link_libraries(tivrel-cpuid PRIVATE tivrel_core)
target_link_options(tivrel-cpuid PRIVATE -static -s)

include(${CMAKE_SOURCE_DIR}/tests/ui/UiDriver.cmake OPTIONAL)
