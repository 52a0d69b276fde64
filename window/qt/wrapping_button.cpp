#include "window/qt/wrapping_button.h"

#include <QFontMetrics>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace window {
namespace {

// Room between the caption and the button's edge, in pixels on each side.
constexpr int kCaptionMargin = 4;

qsizetype SkipSpaces(const QString& text, qsizetype position) {
  while (position < text.size() && text[position] == QLatin1Char(' ')) ++position;
  return position;
}

qsizetype SkipWord(const QString& text, qsizetype position) {
  while (position < text.size() && text[position] != QLatin1Char(' ')) ++position;
  return position;
}

// The end of the longest piece from `start` that ends with a word and fits in
// `width`, or the end of its first word when even that is too wide.
qsizetype LineEnd(const QString& text, qsizetype start, const QFontMetrics& metrics, int width) {
  qsizetype line_end = -1;
  qsizetype position = start;
  while (position < text.size()) {
    const qsizetype word_end = SkipWord(text, SkipSpaces(text, position));
    const bool fits = metrics.horizontalAdvance(text.mid(start, word_end - start)) <= width;
    if (line_end >= 0 && !fits) break;
    line_end = word_end;
    position = word_end;
  }
  return line_end >= 0 ? line_end : text.size();
}

}  // namespace

QStringList WrapAtSpaces(const QString& text, const QFontMetrics& metrics, int width) {
  QStringList lines;
  qsizetype start = 0;
  do {
    const qsizetype end = LineEnd(text, start, metrics, width);
    lines.append(text.mid(start, end - start));
    start = SkipSpaces(text, end);
  } while (start < text.size());
  return lines;
}

WrappingButton::WrappingButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

void WrappingButton::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);

  const QRect area =
      style()
          ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
          .adjusted(kCaptionMargin, kCaptionMargin, -kCaptionMargin, -kCaptionMargin);
  const QStringList lines = WrapAtSpaces(text(), fontMetrics(), area.width());
  painter.drawItemText(area, Qt::AlignCenter, palette(), isEnabled(), lines.join(QLatin1Char('\n')),
                       QPalette::ButtonText);
}

}  // namespace window
