#include "window/qt/qt_desktop.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "window/application.h"

namespace window {
namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, QString::fromUtf8(kApplicationTitle), WithLineFeeds(text), QMessageBox::Ok,
                  parent);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace

QString WithLineFeeds(const QString& text) {
  QString result = text;
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return result;
}

std::string QtDesktop::ApplicationDirectory() {
  QString folder = QCoreApplication::applicationDirPath();
  while (folder.endsWith(QLatin1Char('/'))) folder.chop(1);
  return folder.toStdString();
}

void QtDesktop::ShowMessage(QWidget* parent, const QString& text) {
  ShowBox(parent, QMessageBox::NoIcon, text);
}

void QtDesktop::ShowError(QWidget* parent, const QString& text) {
  ShowBox(parent, QMessageBox::Critical, text);
}

void QtDesktop::EndProgram(int exit_status) { QCoreApplication::exit(exit_status); }

}  // namespace window
