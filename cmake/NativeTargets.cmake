# Native build: the command-line tool, the benchmarks, and (with TIVREL_TESTS) the unit tests,
# one executable per layer, the fuzz targets' replays and the end-to-end suite that drives the
# cross-built executable. The fuzz preset builds the core and the fuzz targets alone.
if(TIVREL_FUZZ)
  include(cmake/FuzzTargets.cmake)
  return()
endif()
add_executable(tivrel-cpuid src/tools/Main.cpp ${TIVREL_TOOL_SOURCES})
target_link_libraries(tivrel-cpuid PRIVATE tivrel_core)
install(TARGETS tivrel-cpuid RUNTIME DESTINATION bin)
include(cmake/ToolDocs.cmake)
include(cmake/Packaging.cmake)

add_executable(bench-frequency bench/frequency/FrequencyBench.cpp)
target_link_libraries(bench-frequency PRIVATE tivrel_core)
add_executable(bench-cachetest bench/cachetest/CacheTestBench.cpp)
target_link_libraries(bench-cachetest PRIVATE tivrel_core Threads::Threads)

if(NOT TIVREL_TESTS)
  return()
endif()
enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

# tests/unit/<subsystem>/*.cpp becomes the test executable unit_<subsystem>.
file(GLOB UNIT_DIRS LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tests/unit/*)
foreach(dir ${UNIT_DIRS})
  if(IS_DIRECTORY ${dir})
    get_filename_component(subsystem ${dir} NAME)
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(sources)
      add_executable(unit_${subsystem} ${sources})
      target_include_directories(unit_${subsystem} PRIVATE tests/unit)
      target_compile_definitions(unit_${subsystem} PRIVATE
        TIVREL_DUMP_DIR="${CMAKE_SOURCE_DIR}/tests/data/cpuid-dumps")
      target_link_libraries(unit_${subsystem} PRIVATE tivrel_core GTest::gtest_main)
      gtest_discover_tests(unit_${subsystem} PROPERTIES LABELS unit)
    endif()
  endif()
endforeach()

include(cmake/FuzzTargets.cmake)
include(cmake/ShellTests.cmake)
