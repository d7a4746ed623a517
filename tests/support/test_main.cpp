#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

// Widget tests need a QApplication for the whole run. Test discovery runs this binary
// outside ctest's environment, so fall back to the offscreen platform when nothing
// else was asked for.
int main(int argc, char **argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
