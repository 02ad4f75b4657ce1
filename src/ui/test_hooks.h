// Observation points for the test build of the program (QorinSPY_test.exe,
// built with QORINSPY_TEST_BUILD). The product has none: there the hooks are
// empty and it reads no environment, command line or file.
#pragma once

#ifdef QORINSPY_TEST_BUILD
void TestTrace(const char* event);     // appends a line to the file named by QORINSPY_TEST_TRACE
bool TestForcesWindowLoadFailure();    // QORINSPY_TEST_FAIL_LOAD=1
#else
inline void TestTrace(const char*) {}
inline bool TestForcesWindowLoadFailure() { return false; }
#endif
