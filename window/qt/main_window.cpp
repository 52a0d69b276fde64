#include "window/qt/main_window.h"

#include <QAction>
#include <QIcon>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>

#include "window/application.h"
#include "window/help_text.h"
#include "window/layout.h"
#include "window/qt/desktop.h"
#include "window/qt/window_host.h"
#include "window/qt/wrapping_button.h"

namespace window {
namespace {

// Qt's pixels are device-independent, 96 to the inch; Qt scales them on
// high-DPI screens.
constexpr int kLogicalDpi = 96;

QRect ToQRect(const Box& twips) {
  const Box pixels = ToPixels(twips, kLogicalDpi);
  return QRect(pixels.left, pixels.top, pixels.width, pixels.height);
}

QLineEdit* MakeEditBox(const QString& name, const QString& text, const QString& accessible_name,
                       const Box& twips, QWidget* parent) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(name);
  box->setAccessibleName(accessible_name);
  box->setGeometry(ToQRect(twips));
  return box;
}

}  // namespace

MainWindow::MainWindow(Desktop& desktop, QWidget* parent) : QMainWindow(parent), desktop_(desktop) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(kApplicationTitle));
  setWindowIcon(QIcon(QStringLiteral(":/window/FindMinimalPairs.ico")));
  BuildControls();
  BuildMenu();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  first_symbol_box_->setFocus();
}

void MainWindow::BuildControls() {
  auto* client_area = new QWidget(this);
  client_area->setFixedSize(ToQRect(kClientAreaTwips).size());
  setCentralWidget(client_area);

  status_button_ = new WrappingButton(QStringLiteral("Go"), client_area);
  status_button_->setObjectName(QStringLiteral("Command1"));
  status_button_->setGeometry(ToQRect(kGoButtonTwips));
  status_button_->setAutoDefault(false);
  connect(status_button_, &QPushButton::clicked, this, &MainWindow::OnGoClicked);

  first_symbol_box_ =
      MakeEditBox(QStringLiteral("Text1"), QStringLiteral("P"), QStringLiteral("First symbol"),
                  kFirstSymbolBoxTwips, client_area);
  second_symbol_box_ =
      MakeEditBox(QStringLiteral("Text2"), QStringLiteral("T"), QStringLiteral("Second symbol"),
                  kSecondSymbolBoxTwips, client_area);
  setTabOrder(first_symbol_box_, second_symbol_box_);
  setTabOrder(second_symbol_box_, status_button_);
}

void MainWindow::BuildMenu() {
  help_item_ = menuBar()->addAction(QStringLiteral("Help"));
  help_item_->setObjectName(QStringLiteral("mnuHelp"));
  connect(help_item_, &QAction::triggered, this, &MainWindow::ShowHelp);
}

void MainWindow::OnGoClicked() {
  const std::string first = first_symbol_box_->text().toStdString();
  const std::string second = second_symbol_box_->text().toStdString();
  WindowHost host(*status_button_, *this, desktop_);
  const AfterClick after = session_.OnGoClicked(first, second, host);
  if (after.error) desktop_.ShowError(this, QString::fromStdString(*after.error));
  if (after.exit_status) desktop_.EndProgram(*after.exit_status);
}

void MainWindow::ShowHelp() { desktop_.ShowMessage(this, QString::fromStdString(HelpText())); }

}  // namespace window
