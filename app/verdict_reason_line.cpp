#include "app/verdict_reason_line.h"

#include <algorithm>

#include <QEvent>

#include "app/CMyStatic.h"
#include "app/fonts.h"

namespace vn::app {

namespace {

constexpr int kSideMargin = 4;
constexpr int kVerticalPadding = 4;

}  // namespace

VerdictReasonLine::VerdictReasonLine(CMyStatic* verdictBox) : QLabel(verdictBox), box_(verdictBox) {
  setFont(PointFont(kDialogFaceName, kDialogPointSize + 1));
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(0, 0, 0, 170));  // readable on red, green and blue
  colours.setColor(QPalette::WindowText, Qt::white);
  setPalette(colours);
  box_->installEventFilter(this);
  hide();
}

void VerdictReasonLine::SetReason(const QString& reason) {
  reason_ = reason;
  setToolTip(reason);
  setVisible(!reason.isEmpty());
  FollowBox();
}

bool VerdictReasonLine::eventFilter(QObject* watched, QEvent* event) {
  if (watched == box_ && event->type() == QEvent::Resize) FollowBox();
  return QLabel::eventFilter(watched, event);
}

void VerdictReasonLine::FollowBox() {
  const int height = reason_.isEmpty() ? 0 : fontMetrics().height() + kVerticalPadding;
  const QRect inside = box_->rect().adjusted(box_->frameWidth(), 0, -box_->frameWidth(), -box_->frameWidth());
  setGeometry(inside.left(), inside.bottom() + 1 - height, inside.width(), height);
  setText(fontMetrics().elidedText(reason_, Qt::ElideRight, std::max(0, inside.width() - 2 * kSideMargin)));
  box_->setContentsMargins(0, 0, 0, height);
  box_->update();
}

}  // namespace vn::app
