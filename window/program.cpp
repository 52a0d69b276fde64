#include "window/program.h"

#include <QApplication>

#include "window/build_info.h"
#include "window/form1.h"
#include "window/qt_desktop.h"

namespace window {

int RunProgram(QApplication& application) {
  QApplication::setApplicationName(QStringLiteral("FindMinimalPairs"));
  QApplication::setApplicationDisplayName(QString::fromUtf8(kApplicationTitle));
  QApplication::setApplicationVersion(QString::fromUtf8(kVersion));
  QtDesktop desktop;
  Form1 form(desktop);
  form.show();
  return application.exec();
}

}  // namespace window
