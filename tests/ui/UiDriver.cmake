# Win32 preset: the end-to-end UI driver, placed next to Tivrel.exe in build/win32/.
add_executable(tivrel-ui-driver ${CMAKE_SOURCE_DIR}/tests/ui/UiDriver.cpp)
target_link_options(tivrel-ui-driver PRIVATE -static -s -mconsole)
set_target_properties(tivrel-ui-driver PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
