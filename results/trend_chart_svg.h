// An inline SVG line chart of the films' VA and KEY mean, minimum and
// maximum in time order, with the configuration's limits drawn as dashed
// lines. The KEY lines appear only when the configuration has KEY nodes.
#pragma once

#include <string>
#include <vector>

#include "config/test_parameters.h"
#include "results/process_trends.h"

namespace vn {

std::string TrendChartSvg(const std::vector<FilmTrend>& films, const TestParameters& parameters);

}  // namespace vn
