#include <gtest/gtest.h>

#include "platform/format.h"

namespace vn {
namespace {

struct FormatCase {
  std::int32_t value;
  int radix;
  const char* padded;
  const char* zeroPadded;
};

TEST(FormatTest, PadsByRadixAndWidth) {
  const FormatCase cases[] = {
      {5, 16, "0005", "0005"},       {31, 16, "001F", "001F"},
      {0x12345, 16, "12345", "12345"}, {7, 10, "    7", "00007"},
      {123456, 10, "123456", "123456"}, {1234, 10, " 1234", "01234"},
      {12345, 10, "12345", "12345"},   {-5, 10, "   -5", "000-5"},
      {-1, 16, "FFFFFFFF", "FFFFFFFF"}, {7, 8, "7", "7"},
  };
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.value) + " radix " + std::to_string(c.radix));
    EXPECT_EQ(FormatPadded(c.value, c.radix), c.padded);
    EXPECT_EQ(FormatZeroPadded(c.value, c.radix), c.zeroPadded);
  }
}

TEST(FormatTest, TwoCharacterFields) {
  EXPECT_EQ(P2(3), " 3");
  EXPECT_EQ(P2(12), "12");
  EXPECT_EQ(P2(0), " 0");
  EXPECT_EQ(HexByte(0x0A), "0A");
  EXPECT_EQ(HexByte(0xFF), "FF");
}

}  // namespace
}  // namespace vn
