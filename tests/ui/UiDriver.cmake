# Win32 preset: the end-to-end UI driver and the start-up benchmark's minimal sheet, both placed
# next to Tivrel.exe in build/win32/.
add_executable(tivrel-ui-driver ${CMAKE_SOURCE_DIR}/tests/ui/UiDriver.cpp)
target_link_options(tivrel-ui-driver PRIVATE -static -s -mconsole)
set_target_properties(tivrel-ui-driver PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

add_executable(MinimalSheet WIN32
  ${CMAKE_SOURCE_DIR}/bench/startup/MinimalSheet.cpp
  ${CMAKE_SOURCE_DIR}/bench/startup/MinimalSheet.rc)
target_include_directories(MinimalSheet PRIVATE ${CMAKE_SOURCE_DIR}/bench/startup)
target_link_libraries(MinimalSheet PRIVATE comctl32)
target_link_options(MinimalSheet PRIVATE -static -s)
set_target_properties(MinimalSheet PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
