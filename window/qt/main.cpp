#include <QApplication>

#include "window/qt/program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  return window::RunProgram(application);
}
