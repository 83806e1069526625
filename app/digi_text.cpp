#include "app/digi_text.h"

#include "app/CDigi7Segment.h"
#include "app/CDigiColonDotChar.h"

namespace vn::app {

namespace {

constexpr std::uint8_t kDigitMasks[10] = {0x77, 0x24, 0x5D, 0x6D, 0x2E, 0x6B, 0x7B, 0x25, 0x7F, 0x6F};

bool IsColonOrDot(char c) { return c == '.' || c == ':'; }

char ToUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

}  // namespace

std::uint8_t LitMaskOf(char c) {
  if (c >= '0' && c <= '9') return kDigitMasks[c - '0'];
  switch (c) {
    case '-': return 0x08;
    case '.': return 0x04;
    case ':': return 0x03;
    default: return 0x00;
  }
}

CDigiChar CreateCharacter(char c, std::uint32_t style) {
  if (IsColonOrDot(c)) {
    CDigiColonDotChar character;
    character.BuildSegments(LitMaskOf(c), style);
    return character;
  }
  CDigi7Segment character;
  character.BuildSegments(LitMaskOf(c), style);
  return character;
}

std::vector<CDigiChar> BuildCharacters(const std::string& text, std::uint32_t style) {
  std::vector<CDigiChar> characters;
  characters.reserve(text.size());
  for (char c : text) characters.push_back(CreateCharacter(ToUpper(c), style));
  return characters;
}

int TotalDesignWidth(const std::vector<CDigiChar>& characters) {
  int width = 0;
  for (const CDigiChar& c : characters) width += c.designWidth();
  return width;
}

}  // namespace vn::app
