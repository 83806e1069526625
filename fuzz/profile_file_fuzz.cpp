// The profile (INI) reader and writer: any text loads, reads and takes a
// write without crashing, and a key written can be read back.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/profile_document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  vn::ProfileDocument document = vn::ProfileDocument::FromText(text);
  const std::string_view section = text.substr(0, std::min<std::size_t>(text.size(), 8));
  document.ReadString("SampleSetting", "SampleNumber");
  document.ReadInt(std::string(section), "Criterion");
  if (document.WriteString("FuzzSection", "FuzzKey", "42")) {
    if (document.ReadInt("FuzzSection", "FuzzKey") != 42) std::abort();
    const vn::ProfileDocument again = vn::ProfileDocument::FromText(document.ToText());
    if (again.ReadInt("FuzzSection", "FuzzKey") != 42) std::abort();
  }
  return 0;
}
