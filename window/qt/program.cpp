#include "window/qt/program.h"

#include <QApplication>

#include "version.h"
#include "window/application.h"
#include "window/qt/main_window.h"
#include "window/qt/qt_desktop.h"

namespace window {

int RunProgram(QApplication& application) {
  QApplication::setApplicationName(QStringLiteral("FindMinimalPairs"));
  QApplication::setApplicationDisplayName(QString::fromUtf8(kApplicationTitle));
  QApplication::setApplicationVersion(QString::fromUtf8(minpairs::kVersion));
  QtDesktop desktop;
  MainWindow form(desktop);
  form.show();
  return application.exec();
}

}  // namespace window
