// A static text that paints its whole area in its own background colour,
// with its own text colour and point font: the verdict box and the captions
// of the counters. A text too large for the control is drawn smaller rather
// than clipped (the fonts follow the window height, the controls the screen).
#pragma once

#include <QLabel>
#include <QString>

#include "app/digi_style.h"

namespace vn::app {

class CMyStatic : public QLabel {
  Q_OBJECT

 public:
  explicit CMyStatic(const QString& text = {}, QWidget* parent = nullptr);

  // Stored for the next paint; no repaint of its own.
  void SetTextColour(Colorref colour);
  // The whole control paints in this colour from now on.
  void SetBackgroundColour(Colorref colour);
  // Size in tenths of a point; replaces the control's font and repaints.
  // Sizes below one point are raised to one point.
  void SetPointFont(int tenthsOfPoint, const QString& faceName);

  Colorref textColour() const { return textColour_; }
  // The font the text is drawn with: the control's font, made smaller when
  // the text would not fit inside the control otherwise.
  QFont DisplayFont() const;
  Colorref backgroundColour() const { return backgroundColour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Colorref backgroundColour_ = 0xFFFFFF;
  Colorref textColour_ = 0x000000;
};

}  // namespace vn::app
