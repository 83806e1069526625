// Off-screen painting: everything is drawn into a bitmap of the area's size,
// filled first with the background colour, and copied onto the target in one
// piece when the object goes out of scope, so frequent updates do not flicker.
// On a printer the drawing goes straight to the target.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QRect>

namespace vn::app {

class XCMemDC {
 public:
  XCMemDC(QPainter& target, const QRect& area, const QColor& background);
  ~XCMemDC();
  XCMemDC(const XCMemDC&) = delete;
  XCMemDC& operator=(const XCMemDC&) = delete;

  // The painter to draw with, in the target's coordinates.
  QPainter& painter() { return direct_ ? target_ : memory_; }

 private:
  QPainter& target_;
  QRect area_;
  bool direct_ = false;
  QPixmap bitmap_;
  QPainter memory_;
};

}  // namespace vn::app
