#pragma once

#include <QPushButton>
#include <QStringList>

class QFontMetrics;

namespace window {

// Breaks `text` into lines no wider than `width` pixels, at spaces only, filling
// each line with as many words as fit. The spaces at a break are dropped; spaces
// within a line stay. A word wider than `width` gets a line of its own.
QStringList WrapAtSpaces(const QString& text, const QFontMetrics& metrics, int width);

// A push button whose caption is centred and wraps at spaces onto further lines
// when it is wider than the button. text() and setText() work as on any button.
class WrappingButton final : public QPushButton {
  Q_OBJECT

 public:
  explicit WrappingButton(const QString& text, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace window
