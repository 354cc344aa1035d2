# Cross build: the PE32 GUI executable and the Windows build of the command-line tool.
#
# Tivrel.exe runs on every PC its database describes, a 386 with Windows 95 OSR2 among them:
# i386 code only, its own entry point, no C runtime, libgcc or libstdc++ (the distribution builds
# them for a later processor, and Windows 95 has no msvcrt.dll), and only system DLLs.
# Runtime_win32.cpp supplies the block copies the compiler asks for (loops are not turned into
# library calls); anything else the compiler
# would want from a runtime fails the link. tests/exe/ checks the result.
enable_language(RC)
file(GLOB SHELL_SOURCES CONFIGURE_DEPENDS src/win32/*.cpp)

set(TIVREL_I386_FLAGS -march=i386 -mtune=generic -fno-exceptions -fno-rtti -fno-threadsafe-statics
    -fno-asynchronous-unwind-tables -fno-stack-protector -fno-tree-loop-distribute-patterns
    -ffunction-sections -fdata-sections)
target_compile_options(tivrel_core PRIVATE ${TIVREL_I386_FLAGS})

set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/resources")
add_executable(Tivrel WIN32 ${SHELL_SOURCES} resources/tivrel.rc)
# windres reports no dependencies: the files the .rc pulls in are named here.
set_source_files_properties(resources/tivrel.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/resources/tivrel.manifest;${CMAKE_SOURCE_DIR}/resources/tivrel.ico;${CMAKE_SOURCE_DIR}/resources/message.ico;${CMAKE_SOURCE_DIR}/resources/resource.h;${CMAKE_SOURCE_DIR}/resources/version.h")
target_compile_options(Tivrel PRIVATE ${TIVREL_I386_FLAGS})
target_link_libraries(Tivrel PRIVATE tivrel_core kernel32 user32 gdi32 comctl32 comdlg32 shell32 wsock32)
# Subsystem 4.0: the version Windows 95 and NT 4.0 accept. The map names every input section,
# so that the checks can tell that no static constructor was linked in.
target_link_options(Tivrel PRIVATE -nostdlib -nostartfiles -s -Wl,--gc-sections -Wl,--entry=_TivrelEntry@0
    -Wl,--subsystem,windows:4.0 -Wl,--major-os-version,4 -Wl,--minor-os-version,0
    -Wl,-Map=${CMAKE_BINARY_DIR}/Tivrel.map)
set_target_properties(Tivrel PROPERTIES OUTPUT_NAME Tivrel RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
configure_file(resources/ReadMe.htm ${CMAKE_BINARY_DIR}/ReadMe.htm COPYONLY)

# The command-line tool keeps its runtime.
add_executable(tivrel-cpuid src/tools/Main.cpp ${TIVREL_TOOL_SOURCES})
target_link_libraries(tivrel-cpuid PRIVATE tivrel_core)
target_link_options(tivrel-cpuid PRIVATE -static -s)

install(TARGETS Tivrel tivrel-cpuid RUNTIME DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/ReadMe.htm DESTINATION .)
include(cmake/Packaging.cmake)

# The start-up benchmark's minimal sheet, beside Tivrel.exe.
add_executable(MinimalSheet WIN32 bench/startup/MinimalSheet.cpp bench/startup/MinimalSheet.rc)
target_include_directories(MinimalSheet PRIVATE bench/startup)
target_link_libraries(MinimalSheet PRIVATE comctl32)
target_link_options(MinimalSheet PRIVATE -static -s)
set_target_properties(MinimalSheet PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The end-to-end UI driver, beside Tivrel.exe.
add_executable(tivrel-ui-driver tests/ui/UiDriver.cpp)
target_link_options(tivrel-ui-driver PRIVATE -static -s -mconsole)
set_target_properties(tivrel-ui-driver PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
