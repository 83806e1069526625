// The sample row reader on any file text: nodes handed on lie inside the
// matrix and inside the VA or KEY area.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/node_judgement.h"
#include "samples/sample_row_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  vn::TestParameters parameters;
  // The first byte chooses a display gap, so the gap alignment is exercised too.
  if (size > 0) parameters.display_area_x[data[0] % 32] = 0;
  parameters.test_key_area_x[30] = 1;
  parameters.test_key_area_y[51] = 1;
  const vn::ProfileDocument document = vn::ProfileDocument::FromText(text.substr(size > 0 ? 1 : 0));
  vn::ReadSampleRows(document, parameters, [&](std::uint8_t x, std::uint8_t y, std::int32_t) {
    if (x >= 32 || y >= 52) std::abort();
    const vn::NodeArea area = vn::ClassifyNode(parameters, x, y);
    if (area != vn::NodeArea::Visible && area != vn::NodeArea::Key) std::abort();
  });
  return 0;
}
