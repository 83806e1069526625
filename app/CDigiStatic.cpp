#include "app/CDigiStatic.h"

#include <cstdarg>
#include <cstdio>

#include <QPainter>
#include <QPainterPath>
#include <QPaintEvent>

#include "app/XCMemDC.h"
#include "app/colorref.h"
#include "app/digi_layout.h"
#include "app/digi_text.h"

namespace vn::app {

namespace {

QPainterPath SegmentPath(const DigiSegment& segment, const DigiRect& rect, int designWidth) {
  QPainterPath path;
  for (std::size_t i = 0; i < segment.points().size(); ++i) {
    const DigiPoint p = MapDesignPoint(segment.points()[i], rect, designWidth);
    if (segment.types()[i] == DigiPointType::MoveTo)
      path.moveTo(p.x, p.y);
    else
      path.lineTo(p.x, p.y);
  }
  path.closeSubpath();
  return path;
}

struct SegmentInk {
  QPen pen;
  QBrush brush;
};

SegmentInk MakeInk(Colorref segment, Colorref background, std::uint32_t style) {
  return {QPen(ToQColor(OutlineColour(segment, background, style)), 1), QBrush(ToQColor(segment))};
}

void DrawCharacter(QPainter& painter, const CDigiChar& character, const DigiRect& rect, const SegmentInk& unlit,
                   const SegmentInk& lit) {
  for (int i = 0; i < character.segmentCount(); ++i) {
    const bool on = character.SegmentLit(i);
    if (!on && character.hideUnlit()) continue;
    const SegmentInk& ink = on ? lit : unlit;
    painter.setPen(ink.pen);
    painter.setBrush(ink.brush);
    painter.drawPath(SegmentPath(character.segments()[std::size_t(i)], rect, character.designWidth()));
  }
}

}  // namespace

CDigiStatic::CDigiStatic(QWidget* parent) : QWidget(parent) {
  // The paint covers the whole client area: nothing is erased first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
}

std::string CDigiStatic::FormatText(const char* format, ...) {
  char buffer[128];
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  if (length < 0) return {};
  return std::string(buffer, std::size_t(length) < sizeof buffer ? std::size_t(length) : sizeof buffer - 1);
}

bool CDigiStatic::SetDisplayText(const std::string& text) {
  if (text == text_) return false;
  text_ = text;
  rebuild_ = true;
  update();
  return true;
}

void CDigiStatic::SetSegmentColours(Colorref unlit, Colorref lit) {
  if (unlit == unlit_ && lit == lit_) return;
  unlit_ = unlit;
  lit_ = lit;
  update();
}

Colorref CDigiStatic::SetDisplayBackground(Colorref colour) {
  const Colorref previous = background_;
  if (colour != background_) {
    background_ = colour;
    update();
  }
  return previous;
}

bool CDigiStatic::ChangeDisplayStyle(std::uint32_t remove, std::uint32_t add) {
  if ((remove & add) != 0) return false;
  style_ = (style_ | add) & ~remove;
  rebuild_ = true;
  update();
  return true;
}

const std::vector<CDigiChar>& CDigiStatic::Characters() {
  if (rebuild_) RebuildCharacters();
  return characters_;
}

void CDigiStatic::RebuildCharacters() {
  if (text_ == "?") text_ = windowTitle().toStdString();
  characters_ = BuildCharacters(text_, style_);
  rebuild_ = false;
}

void CDigiStatic::paintEvent(QPaintEvent*) {
  QPainter screen(this);
  XCMemDC memory(screen, rect(), ToQColor(background_));
  QPainter& painter = memory.painter();
  const std::vector<CDigiChar>& characters = Characters();
  const DigiLayout layout = LayoutCharacters(characters, width(), height(), style_);
  const SegmentInk unlit = MakeInk(unlit_, background_, style_);
  const SegmentInk lit = MakeInk(lit_, background_, style_);
  for (std::size_t i = 0; i < layout.cells.size(); ++i) DrawCharacter(painter, characters[i], layout.cells[i], unlit, lit);
}

}  // namespace vn::app
