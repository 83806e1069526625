// The segment display of the counters: shows a text as lit segment
// characters scaled to the client area, painted off-screen in one copy.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <QWidget>

#include "app/CDigiChar.h"
#include "app/digi_style.h"

namespace vn::app {

class CDigiStatic : public QWidget {
  Q_OBJECT

 public:
  explicit CDigiStatic(QWidget* parent = nullptr);

  // Stores a changed text and repaints; an unchanged text changes nothing.
  // True when the text changed.
  bool SetDisplayText(const std::string& text);
  // printf-style formatting into SetDisplayText ("%5d", "%6.2f").
  template <typename... Args>
  bool FormatDisplayText(const char* format, Args... args);
  void SetSegmentColours(Colorref unlit, Colorref lit);
  // Returns the previous background colour.
  Colorref SetDisplayBackground(Colorref colour);
  // False, changing nothing, when remove and add share a bit.
  bool ChangeDisplayStyle(std::uint32_t remove, std::uint32_t add);

  const std::string& displayText() const { return text_; }
  std::uint32_t displayStyle() const { return style_; }
  Colorref unlitColour() const { return unlit_; }
  Colorref litColour() const { return lit_; }
  Colorref backgroundColour() const { return background_; }
  // The characters as the next paint draws them.
  const std::vector<CDigiChar>& Characters();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void RebuildCharacters();
  static std::string FormatText(const char* format, ...);

  std::string text_ = "?";  // "?" stands for the widget's own caption
  std::vector<CDigiChar> characters_;
  bool rebuild_ = true;
  Colorref unlit_ = 0x003400;
  Colorref lit_ = 0x00FF00;
  Colorref background_ = 0x000000;
  std::uint32_t style_ = kDefaultDigiStyle;
};

template <typename... Args>
bool CDigiStatic::FormatDisplayText(const char* format, Args... args) {
  return SetDisplayText(FormatText(format, args...));
}

}  // namespace vn::app
