// Runs the Win32 tests. No error dialog may ever wait for a click: a failing test must
// end, not hang.
#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
