#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "platform/profile_document.h"

namespace vn {
namespace {

struct WriteCase {
  const char* name;
  const char* before;
  const char* section;
  const char* key;
  const char* value;
  const char* after;
};

TEST(ProfileDocumentTest, WritesKeysWhereThePrivateProfileFunctionsPutThem) {
  const WriteCase cases[] = {
      {"existing key replaced in place", "[A]\r\nx=1\r\ny=2\r\n", "A", "x", "9", "[A]\r\nx=9\r\ny=2\r\n"},
      {"blanks of the replaced line go, neighbours stay", "; top\r\n[A]\r\n  x = 1 \r\n\r\ny =2\r\n", "A",
       "x", "9", "; top\r\n[A]\r\nx=9\r\n\r\ny =2\r\n"},
      {"new key after the section's last key line, before its trailing blank and comment",
       "[A]\r\nx=1\r\n\r\n; end of A\r\n[B]\r\ny=2\r\n", "A", "z", "3",
       "[A]\r\nx=1\r\nz=3\r\n\r\n; end of A\r\n[B]\r\ny=2\r\n"},
      {"new key in a section without keys goes right after its header", "[A]\r\n\r\n[B]\r\n", "A", "k",
       "v", "[A]\r\nk=v\r\n\r\n[B]\r\n"},
      {"new key in the last section", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n", "B", "z", "3",
       "[A]\r\nx=1\r\n[B]\r\ny=2\r\nz=3\r\n"},
      {"missing section added at the end, without a blank line", "[A]\r\nx=1\r\n", "B", "y", "2",
       "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      {"empty document", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
      {"section and key names match in any letter case", "[Sample_Configuration]\r\nTIME=1\r\n",
       "sample_configuration", "Time", "2", "[Sample_Configuration]\r\nTime=2\r\n"},
      {"blanks inside the brackets are not part of the name", "[ A ]\r\nx=1\r\n", "A", "x", "2",
       "[ A ]\r\nx=2\r\n"},
      {"LF lines read, CR LF written, other lines untouched", "[A]\nx=1\n; note\nnot a key line\n", "A",
       "x", "2", "[A]\r\nx=2\r\n; note\r\nnot a key line\r\n"},
      {"last line without a line end", "[A]\r\nx=1", "B", "y", "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
      {"a commented-out key is no key", "[A]\r\n;x=1\r\n", "A", "x", "2", "[A]\r\nx=2\r\n;x=1\r\n"},
      {"a key above every section belongs to none", "x=1\r\n[A]\r\n", "A", "x", "2",
       "x=1\r\n[A]\r\nx=2\r\n"},
      {"a key of the same name in the next section is another key", "[A]\r\n[B]\r\nx=1\r\n", "A", "x", "2",
       "[A]\r\nx=2\r\n[B]\r\nx=1\r\n"},
      {"the first of two sections of one name counts", "[A]\r\nx=1\r\n[a]\r\ny=1\r\n", "A", "y", "2",
       "[A]\r\nx=1\r\ny=2\r\n[a]\r\ny=1\r\n"},
      {"value written as given", "", "S", "path", " C:\\a b=c ", "[S]\r\npath= C:\\a b=c \r\n"},
      {"names given with blanks are trimmed", "[A]\r\nx=1\r\n", " A ", " x ", "5", "[A]\r\nx=5\r\n"},
      {"byte-order mark kept", "\xEF\xBB\xBF[A]\r\nx=1\r\n", "A", "x", "2", "\xEF\xBB\xBF[A]\r\nx=2\r\n"},
  };
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(c.name);
    ProfileDocument document = ProfileDocument::FromText(c.before);
    ASSERT_TRUE(document.WriteString(c.section, c.key, c.value));
    EXPECT_EQ(document.ToText(), c.after);
    EXPECT_EQ(document.ReadString(c.section, c.key), ProfileDocument::FromText(c.after).ReadString(c.section, c.key));
  }
}

TEST(ProfileDocumentTest, KeepsEveryLineAsItStands) {
  const std::string text =
      "garbage [ line\r\n  [A]  ; trailing\r\n\tk\t=\tv\t\r\n=no name\r\n\r\n[unclosed\r\n;[B]\r\n";
  EXPECT_EQ(ProfileDocument::FromText(text).ToText(), text);
}

struct ReadCase {
  const char* name;
  const char* text;
  const char* section;
  const char* key;
  const char* expected;
};

TEST(ProfileDocumentTest, ReadsTextValues) {
  const ReadCase cases[] = {
      {"blanks around = and the value removed", "[A]\r\nx \t= hello world \t\r\n", "A", "x", "hello world"},
      {"any letter case", "[a]\r\nKEY=v\r\n", "A", "key", "v"},
      {"LF lines", "[A]\nx=1\ny=2\n", "A", "y", "2"},
      {"missing key gives the default", "[A]\r\nx=1\r\n", "A", "y", "dflt"},
      {"missing section gives the default", "[A]\r\nx=1\r\n", "B", "x", "dflt"},
      {"present empty value is empty", "[A]\r\nx=\r\n", "A", "x", ""},
      {"double quotes removed", "[A]\r\nx=\"quoted text\"\r\n", "A", "x", "quoted text"},
      {"single quotes removed", "[A]\r\nx='a'\r\n", "A", "x", "a"},
      {"unmatched quotes kept", "[A]\r\nx=\"a'\r\n", "A", "x", "\"a'"},
      {"= inside the value", "[A]\r\nx=a=b\r\n", "A", "x", "a=b"},
      {"text after the header's bracket ignored", "[A] ; note\r\nx=1\r\n", "A", "x", "1"},
      {"key of the next section not found", "[A]\r\n[B]\r\nx=1\r\n", "A", "x", "dflt"},
      {"first key of two wins", "[A]\r\nx=1\r\nX=2\r\n", "A", "x", "1"},
      {"comment line is no key", "[A]\r\n; x=1\r\n", "A", "; x", "dflt"},
      {"UTF-8 value", "[A]\r\np=样本\r\n", "A", "p", "样本"},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ProfileDocument::FromText(c.text).ReadString(c.section, c.key, "dflt"), c.expected);
  }
  EXPECT_EQ(ProfileDocument().ReadString("A", "x"), "");
}

struct IntCase {
  const char* name;
  const char* line;  // the key line of x in section A, or "" for no key
  std::int32_t expected;
};

TEST(ProfileDocumentTest, ReadsTheLeadingDecimalInteger) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const IntCase cases[] = {
      {"digits then letters", "x=12abc", 12},
      {"negative", "x=-7", -7},
      {"plus sign", "x=+5", 5},
      {"no digits give 0, not the default", "x=abc", 0},
      {"empty value gives 0", "x=", 0},
      {"blanks around", "x=  12  ", 12},
      {"hexadecimal is not read", "x=0x1F", 0},
      {"sign alone", "x=-", 0},
      {"quoted", "x=\"15\"", 15},
      {"largest", "x=2147483647", kMax},
      {"smallest", "x=-2147483648", kMin},
      {"too large is held at the bound", "x=99999999999999999999", kMax},
      {"too small is held at the bound", "x=-99999999999999999999", kMin},
      {"missing key gives the default", "", 42},
  };
  for (const IntCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ProfileDocument document = ProfileDocument::FromText(std::string("[A]\r\n") + c.line + "\r\n");
    EXPECT_EQ(document.ReadInt("A", "x", 42), c.expected);
  }
  EXPECT_EQ(ProfileDocument().ReadInt("A", "x"), 0);
}

TEST(ProfileDocumentTest, TextValuesAreCutAt511BytesOnACharacterBoundary) {
  const std::string longValue(600, 'a');
  const std::string straddling = std::string(510, 'b') + "中";  // 513 bytes, the character at 510..512
  ProfileDocument document;
  ASSERT_TRUE(document.WriteString("A", "long", longValue));
  ASSERT_TRUE(document.WriteString("A", "wide", straddling));
  ASSERT_TRUE(document.WriteString("A", "exact", std::string(511, 'c')));

  EXPECT_EQ(document.ReadString("A", "long"), std::string(511, 'a'));
  EXPECT_EQ(document.ReadString("A", "wide"), std::string(510, 'b'));
  EXPECT_EQ(document.ReadString("A", "exact"), std::string(511, 'c'));
  EXPECT_EQ(document.ReadString("A", "missing", longValue), std::string(511, 'a'));
  // The file keeps the whole value; only reading is bounded.
  EXPECT_NE(document.ToText().find(longValue), std::string::npos);
}

struct RefusedCase {
  const char* name;
  std::string section;
  std::string key;
  std::string value;
};

TEST(ProfileDocumentTest, RefusesEntriesThatWouldNotReadBackAsTheirKey) {
  const RefusedCase cases[] = {
      {"line break in the value would start a new section", "A", "x", "1\r\n[Injected]\r\ny=2"},
      {"line feed in the key", "A", "x\ny", "1"},
      {"line break in the section", "A\r\nB", "x", "1"},
      {"] in the section name", "A]B", "x", "1"},
      {"= in the key name", "A", "x=y", "1"},
      {"key read as a comment", "A", ";x", "1"},
      {"key read as a section", "A", "[x", "1"},
      {"empty key", "A", "  ", "1"},
      {"empty section", "", "x", "1"},
  };
  const std::string text = "[A]\r\nx=1\r\n";
  for (const RefusedCase& c : cases) {
    SCOPED_TRACE(c.name);
    ProfileDocument document = ProfileDocument::FromText(text);
    EXPECT_FALSE(document.WriteString(c.section, c.key, c.value));
    EXPECT_EQ(document.ToText(), text);
  }
}

}  // namespace
}  // namespace vn
