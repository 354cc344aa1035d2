# One program per tests/fuzz/*Fuzz.cpp, fuzz-NAME. In the fuzz preset (clang, TIVREL_FUZZ) it is a
# libFuzzer target, run by scripts/fuzz.sh; in the test build it replays the inputs that once
# failed (tests/fuzz/regressions/NAME/), the seeds of the dump readers and 2000 inputs made from
# them, so the normal test run keeps every fixed fault fixed (label "fuzz").
file(GLOB TIVREL_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*Fuzz.cpp)
foreach(source ${TIVREL_FUZZ_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  string(REGEX REPLACE "Fuzz$" "" name ${name})
  string(TOLOWER ${name} name)
  if(TIVREL_FUZZ)
    add_executable(fuzz-${name} ${source} ${TIVREL_TOOL_SOURCES})
    target_link_options(fuzz-${name} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(fuzz-${name} ${source} tests/fuzz/Replay.cpp ${TIVREL_TOOL_SOURCES})
    set(seeds "")
    if(name STREQUAL "dump")
      set(seeds ${CMAKE_SOURCE_DIR}/tests/data/cpuid-dumps)
    endif()
    add_test(NAME fuzz_${name} COMMAND fuzz-${name} --random 2000 ${CMAKE_SOURCE_DIR}/tests/fuzz/regressions/${name} ${seeds})
    set_tests_properties(fuzz_${name} PROPERTIES LABELS fuzz TIMEOUT 600)
  endif()
  target_include_directories(fuzz-${name} PRIVATE tests/fuzz tests/unit)
  target_link_libraries(fuzz-${name} PRIVATE tivrel_core)
endforeach()
