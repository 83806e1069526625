#include "app/CMyStatic.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPainter>

#include "app/colorref.h"
#include "app/fonts.h"

namespace vn::app {

CMyStatic::CMyStatic(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CMyStatic::SetTextColour(Colorref colour) { textColour_ = colour; }

void CMyStatic::SetBackgroundColour(Colorref colour) {
  backgroundColour_ = colour;
  update();
}

void CMyStatic::SetPointFont(int tenthsOfPoint, const QString& faceName) {
  setFont(PointFont(faceName, std::max(tenthsOfPoint, 10) / 10.0));
  update();
}

QFont CMyStatic::DisplayFont() const {
  QFont shown = font();
  const QRect area = contentsRect();
  const QFontMetricsF metrics(shown);
  const double width = metrics.horizontalAdvance(text());
  const double height = metrics.height();
  if (width <= area.width() && height <= area.height()) return shown;
  const double scale = std::min(width > 0 ? area.width() / width : 1.0, height > 0 ? area.height() / height : 1.0);
  shown.setPointSizeF(std::max(1.0, std::floor(shown.pointSizeF() * std::max(scale, 0.0))));
  return shown;
}

void CMyStatic::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ToQColor(backgroundColour_));
  drawFrame(&painter);
  painter.setFont(DisplayFont());
  painter.setPen(ToQColor(textColour_));
  painter.drawText(contentsRect(), int(alignment()), text());
}

}  // namespace vn::app
