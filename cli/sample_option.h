// The CLI's way of naming a golden sample as the judgement basis:
// "--sample FILE --deviation abs:NEG:POS|pct:NEG:POS".
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "engine/tester.h"
#include "samples/deviation_settings.h"

namespace vn::cli {

inline constexpr char kDeviationUsage[] =
    "--deviation needs abs:NEG:POS (NEG 0..20000, POS any integer) or pct:NEG:POS (each 0..100)";

// "abs:500:800" (absolute) or "pct:10:15" (percentage), within the ranges the
// sample dialog accepts.
std::optional<DeviationSettings> ParseDeviationOption(const std::string& text);

// Derives the sample's limits under the configuration in force into the
// tester's sampleLimits. A file that cannot be read leaves them alone, prints
// the operator's message on err and gives false.
bool LoadSampleLimits(Tester& tester, const std::string& samplePath, const DeviationSettings& settings,
                      std::ostream& err);

}  // namespace vn::cli
