// A film record as one row of the day's CSV file, and the file's header row.
#pragma once

#include <string>

#include "results/film_record.h"

namespace vn {

std::string CsvHeaderRow();
std::string CsvRecordRow(const FilmRecord& record);

}  // namespace vn
