// Reading the node rows of a sample file under the configuration in force.
// Each row is read as the writers lay it out: one comma-ended token per
// display node, so a token is taken only for the X channels in use whose
// display flag is set, and rows of Y channels that are not displayed are
// skipped. Only the VA and KEY nodes are handed on; the tokens of other nodes
// are read and dropped.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "config/test_parameters.h"
#include "platform/profile_document.h"

namespace vn {

using SampleNodeVisitor = std::function<void(std::uint8_t x, std::uint8_t y, std::int32_t value)>;

// Leading blanks of the row are skipped; a token is the text before the next
// comma, and a row without a further comma gives empty tokens. A token's value
// is its leading decimal integer (optional sign); no digits give 0.
void ReadSampleRows(const ProfileDocument& file, const TestParameters& parameters, const SampleNodeVisitor& visit);

// Loads the file first; a file that cannot be read visits nothing and says so.
ProfileLoadStatus ReadSampleRows(const std::string& path, const TestParameters& parameters,
                                 const SampleNodeVisitor& visit);

}  // namespace vn
