// Window tests need a QApplication; without a display they run offscreen.
#include <gtest/gtest.h>

#include <QApplication>

#include "janelas/auxiliares.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  cifra::TraduzOQt();  // as the program does: every box in Portuguese
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
