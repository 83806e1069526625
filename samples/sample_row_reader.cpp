#include "samples/sample_row_reader.h"

#include "platform/profile_value.h"
#include "samples/sample_nodes.h"
#include "samples/sample_paths.h"

namespace vn {

namespace {

// The text before the first comma; the rest of the row moves past it. A row
// without a comma gives an empty token and stays as it is.
std::string_view TakeToken(std::string_view& row) {
  const std::size_t comma = row.find(',');
  if (comma == std::string_view::npos) return {};
  const std::string_view token = row.substr(0, comma);
  row.remove_prefix(comma + 1);
  return token;
}

void ReadRow(std::string_view row, const TestParameters& p, std::size_t y, const SampleNodeVisitor& visit) {
  const std::size_t first = row.find_first_not_of(' ');
  row.remove_prefix(first == std::string_view::npos ? row.size() : first);
  const auto cy = static_cast<std::uint8_t>(y);
  for (std::size_t x = 0; x < SampleXChannels(p); ++x) {
    if (p.display_area_x[x] == 0) continue;  // the writers leave no token here
    const std::int32_t value = LeadingProfileInteger(TakeToken(row));
    const auto cx = static_cast<std::uint8_t>(x);
    if (CarriesSampleValue(ClassifyNode(p, cx, cy))) visit(cx, cy, value);
  }
}

}  // namespace

void ReadSampleRows(const ProfileDocument& file, const TestParameters& parameters, const SampleNodeVisitor& visit) {
  for (std::size_t y = 0; y < SampleYChannels(parameters); ++y) {
    if (parameters.display_area_y[y] == 0) continue;
    ReadRow(file.ReadString(kSampleContextSection, SampleRowKey(y)), parameters, y, visit);
  }
}

ProfileLoadStatus ReadSampleRows(const std::string& path, const TestParameters& parameters,
                                 const SampleNodeVisitor& visit) {
  const ProfileLoadResult loaded = ProfileDocument::Load(path);
  if (loaded.status == ProfileLoadStatus::Loaded) ReadSampleRows(loaded.document, parameters, visit);
  return loaded.status;
}

}  // namespace vn
