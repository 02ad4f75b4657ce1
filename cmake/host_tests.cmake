# Host tests: the logic against the fake platform (tests/fakes).
include(GoogleTest)

# An object library: the logic library calls into the fake (the fatal error,
# the toolkit's captions), so the fake must be linked whole even into a test
# that names none of it; from a static archive it would be dropped.
add_library(qorinspy_fake_platform OBJECT tests/fakes/fake_platform.cpp)
target_link_libraries(qorinspy_fake_platform PUBLIC qorinspy_logic)
target_include_directories(qorinspy_fake_platform PUBLIC tests)

function(qorinspy_host_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE qorinspy_fake_platform GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 PROPERTIES TIMEOUT 60)
endfunction()

qorinspy_host_test(focus_data_test tests/core/focus_data_test.cpp)
qorinspy_host_test(clock_test tests/core/clock_test.cpp)
qorinspy_host_test(focus_tracker_test tests/core/focus_tracker_test.cpp)
qorinspy_host_test(focus_presenter_test tests/core/focus_presenter_test.cpp)
qorinspy_host_test(worker_loop_test tests/core/worker_loop_test.cpp)
qorinspy_host_test(text_builder_test tests/support/text_builder_test.cpp)
qorinspy_host_test(join_lines_test tests/ui/join_lines_test.cpp)
qorinspy_host_test(fatal_error_test tests/toolkit/fatal_error_test.cpp)
