// Reading the header of an existing sample file, as the import does: its
// path, its `Time` and its six summary values. The source becomes 2 (a
// sample file) whatever the file says; channel counts, flags and rows are
// not read.
#pragma once

#include <string>

#include "config/operator_message.h"
#include "platform/profile_document.h"
#include "samples/sample_record.h"

namespace vn {

struct SampleHeaderResult {
  ProfileLoadStatus status = ProfileLoadStatus::Missing;
  // Filled in every case; a file that cannot be read gives an empty time and zeros.
  SampleRecord record;
  OperatorMessage message;  // when the file cannot be read

  bool ok() const { return status == ProfileLoadStatus::Loaded; }
};

SampleHeaderResult ReadSampleHeader(const std::string& path);

}  // namespace vn
