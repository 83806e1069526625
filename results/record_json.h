// A film record as one line of the day's JSON-lines file: the CSV fields
// plus the node values, the differences and every failing node with its
// limits. The line ends in LF and holds no other line end.
#pragma once

#include <string>

#include "results/film_record.h"

namespace vn {

std::string JsonRecordLine(const FilmRecord& record);

}  // namespace vn
