# The Windows build: the program, its test build, and the tests that run
# under Wine (through the cross-compiling emulator).

# The system side: routine binding, the Win32 platform and our toolkit. It
# goes into the same archive as the logic, which calls back into it (captions,
# the fatal box): one archive lets the linker resolve both directions.
target_sources(qorinspy_logic PRIVATE
  src/platform/routine_binding.cpp
  src/platform/win32_api.cpp
  src/platform/desktop_platform_win32.cpp
  src/toolkit/program_lifecycle.cpp
  src/toolkit/window_builder.cpp
  src/toolkit/clipboard.cpp)

set(QORINSPY_PROGRAM_SOURCES
  src/toolkit/entry.cpp
  src/ui/main_window.cpp
  src/ui/copy_info_command.cpp
  src/ui/program.cpp
  res/qorinspy.rc)

add_executable(QorinSPY WIN32 ${QORINSPY_PROGRAM_SOURCES})
target_link_libraries(QorinSPY PRIVATE qorinspy_logic)
if(NOT MSVC)
  target_link_options(QorinSPY PRIVATE $<$<NOT:$<CONFIG:Debug>>:-s>)  # the product ships without symbols
endif()

# The same program with observation points for the end-to-end tests.
add_executable(QorinSPY_test WIN32 ${QORINSPY_PROGRAM_SOURCES} src/ui/test_hooks.cpp)
target_compile_definitions(QorinSPY_test PRIVATE QORINSPY_TEST_BUILD)
target_link_libraries(QorinSPY_test PRIVATE qorinspy_logic)

set_target_properties(QorinSPY QorinSPY_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# Waits for the program's window, for the run script's screenshot.
add_executable(wait_for_window tools/wait_for_window.cpp)
set_target_properties(wait_for_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# --- Tests under Wine. They share one desktop and its foreground: serial. ---
add_library(qorinspy_wine_test_support STATIC tests/harness/wine_test_support.cpp tests/harness/wine_test_main.cpp)
target_include_directories(qorinspy_wine_test_support PUBLIC tests tests/harness)
target_link_libraries(qorinspy_wine_test_support PUBLIC GTest::gtest)

function(qorinspy_wine_test name timeout)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE qorinspy_logic qorinspy_wine_test_support)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES RUN_SERIAL TRUE TIMEOUT ${timeout})
endfunction()

qorinspy_wine_test(paced_wait_wine_test 120 tests/core/paced_wait_wine_test.cpp)
qorinspy_wine_test(focus_tracker_wine_test 120 tests/core/focus_tracker_wine_test.cpp)
qorinspy_wine_test(routine_binding_wine_test 120 tests/platform/routine_binding_wine_test.cpp)

# End to end: a driver process starts the test build of the program.
target_sources(qorinspy_wine_test_support PRIVATE tests/harness/program_driver.cpp)
target_include_directories(qorinspy_wine_test_support PUBLIC src)
qorinspy_wine_test(program_wine_test 300 tests/ui/program_wine_test.cpp)
add_dependencies(program_wine_test QorinSPY_test)
qorinspy_wine_test(copy_info_wine_test 300 tests/ui/copy_info_wine_test.cpp)
add_dependencies(copy_info_wine_test QorinSPY_test)
qorinspy_wine_test(program_stress_wine_test 900 tests/ui/program_stress_wine_test.cpp)
add_dependencies(program_stress_wine_test QorinSPY_test)

# Figures, printed by scripts/test.sh after the tests.
add_executable(idle_benchmark bench/idle_benchmark.cpp)
target_link_libraries(idle_benchmark PRIVATE psapi)
set_target_properties(idle_benchmark PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_dependencies(idle_benchmark QorinSPY)
