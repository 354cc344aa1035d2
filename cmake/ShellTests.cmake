# Native preset: registers each end-to-end scenario tests/ui/scenarios/NAME.sh with ctest as
# ui_NAME (label "ui"). Each runs the cross-built build/win32/Tivrel.exe under Wine through
# tests/ui/run-scenario.sh; the win32 preset must have been built first (scripts/test.sh builds
# both). Run alone with: ctest --preset native -L ui
# A host whose kernel refuses 32-bit programs cannot start Wine: there each reports skipped (77).
file(GLOB TIVREL_UI_SCENARIOS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/ui/scenarios/*.sh)
foreach(script ${TIVREL_UI_SCENARIOS})
  get_filename_component(scenario ${script} NAME_WE)
  add_test(NAME ui_${scenario} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/ui/run-scenario.sh ${scenario})
  # The first scenario of a fresh machine also creates the cached Wine prefix (about 15 s).
  set_tests_properties(ui_${scenario} PROPERTIES
    LABELS ui
    RUN_SERIAL TRUE
    TIMEOUT 300
    SKIP_RETURN_CODE 77
    ENVIRONMENT "TIVREL_WIN32_DIR=${CMAKE_SOURCE_DIR}/build/win32;TIVREL_NATIVE_DIR=${CMAKE_BINARY_DIR}"
    REQUIRED_FILES "${CMAKE_SOURCE_DIR}/build/win32/Tivrel.exe;${CMAKE_SOURCE_DIR}/build/win32/tivrel-ui-driver.exe")
endforeach()

# Checks of the built executable itself, read with the cross binutils (no Wine): label "exe".
file(GLOB TIVREL_EXE_CHECKS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/exe/*.sh)
foreach(script ${TIVREL_EXE_CHECKS})
  get_filename_component(check ${script} NAME_WE)
  add_test(NAME exe_${check} COMMAND bash ${script} ${CMAKE_SOURCE_DIR}/build/win32/Tivrel.exe)
  set_tests_properties(exe_${check} PROPERTIES LABELS exe
    REQUIRED_FILES "${CMAKE_SOURCE_DIR}/build/win32/Tivrel.exe")
endforeach()

# tivrel-cpuid as a command-line tool, the native build's: label "tool".
add_test(NAME tool_cli COMMAND bash ${CMAKE_SOURCE_DIR}/tests/tool/cli.sh ${CMAKE_BINARY_DIR}/tivrel-cpuid)
set_tests_properties(tool_cli PROPERTIES LABELS tool TIMEOUT 600)

# The folders of src/ as layers, read from the #include lines: label "layers".
add_test(NAME layers COMMAND bash ${CMAKE_SOURCE_DIR}/tests/layers/layers.sh ${CMAKE_SOURCE_DIR}/src)
set_tests_properties(layers PROPERTIES LABELS layers)

# The 32-bit probe behind the skipped scenarios, and that nothing else skips: label "scripts".
add_test(NAME scripts_wine_probe COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/wine-probe.sh)
set_tests_properties(scripts_wine_probe PROPERTIES LABELS scripts TIMEOUT 300
  ENVIRONMENT "TIVREL_WIN32_DIR=${CMAKE_SOURCE_DIR}/build/win32;TIVREL_NATIVE_DIR=${CMAKE_BINARY_DIR}")

# tivrel-cpuid's Debian package, made by the release preset in a folder of its own and checked as
# Debian checks its packages: label "package".
add_test(NAME package_deb COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/deb.sh ${CMAKE_BINARY_DIR}/package)
set_tests_properties(package_deb PROPERTIES LABELS package TIMEOUT 900)
