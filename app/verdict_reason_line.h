// The reason line of the result panel: one line along the bottom edge of the
// verdict box, saying why the film is NG (a short found by the self test, the
// first failing node with its value and limits, a difference out of range)
// or what a sample capture did. It stays in view however long the log of the
// film grows. While it shows, the verdict keeps the rest of the box (its text
// is drawn smaller when it would not fit); without a reason the verdict has
// the whole box. A reason wider than the box ends in "…" and is shown whole
// as the tool tip.
#pragma once

#include <QLabel>

namespace vn::app {

class CMyStatic;

class VerdictReasonLine : public QLabel {
  Q_OBJECT

 public:
  explicit VerdictReasonLine(CMyStatic* verdictBox);

  // Empty: hidden.
  void SetReason(const QString& reason);
  const QString& reason() const { return reason_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FollowBox();

  CMyStatic* box_;
  QString reason_;
};

}  // namespace vn::app
