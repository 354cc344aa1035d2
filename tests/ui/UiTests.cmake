# Native preset: registers the end-to-end scenarios with ctest (label "ui"). Each runs the
# cross-built build/win32/Tivrel.exe under Wine through tests/ui/run-scenario.sh; the win32 preset
# must have been built first (scripts/test.sh builds both). Run alone with: ctest -L ui
set(TIVREL_UI_SCENARIOS sheet cancel templates second-instance resources processor)
foreach(scenario ${TIVREL_UI_SCENARIOS})
  add_test(NAME ui_${scenario}
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/ui/run-scenario.sh ${scenario})
  # The first scenario of a fresh machine also creates the cached Wine prefix (about 15 s).
  set_tests_properties(ui_${scenario} PROPERTIES
    LABELS ui
    RUN_SERIAL TRUE
    TIMEOUT 240
    ENVIRONMENT "TIVREL_WIN32_DIR=${CMAKE_SOURCE_DIR}/build/win32;TIVREL_UI_TIMEOUT=180"
    REQUIRED_FILES "${CMAKE_SOURCE_DIR}/build/win32/Tivrel.exe;${CMAKE_SOURCE_DIR}/build/win32/tivrel-ui-driver.exe")
endforeach()
