#include "app/XCMemDC.h"

#include <QPaintDevice>

namespace vn::app {

XCMemDC::XCMemDC(QPainter& target, const QRect& area, const QColor& background)
    : target_(target), area_(area) {
  QPaintDevice* device = target.device();
  direct_ = device == nullptr || device->devType() == QInternal::Printer;
  if (direct_) {
    target_.fillRect(area_, background);
    return;
  }
  const qreal ratio = device->devicePixelRatioF();
  bitmap_ = QPixmap(area_.size() * ratio);
  bitmap_.setDevicePixelRatio(ratio);
  bitmap_.fill(background);
  memory_.begin(&bitmap_);
  memory_.translate(-area_.topLeft());
}

XCMemDC::~XCMemDC() {
  if (direct_) return;
  memory_.end();
  target_.drawPixmap(area_.topLeft(), bitmap_);
}

}  // namespace vn::app
