// Writing a new sample file. The file starts as a copy of the template
// ("Config\SampleTemplate.ini"; an empty start when it is missing), gets the
// header keys, the flag lists, the node rows of the Y channels in use and the
// summary values, and is saved in one atomic step: a sample file is either
// whole or absent. Keys the template already holds keep their place; every
// other line of the template stays as it is.
#pragma once

#include <cstdint>
#include <string>

#include "platform/atomic_file.h"
#include "config/operator_message.h"
#include "config/test_parameters.h"
#include "engine/main_window_state.h"
#include "samples/sample_record.h"
#include "samples/sample_time.h"
#include "samples/sample_values.h"

namespace vn {

enum class SampleWriteStatus {
  Written,
  NoFreeName,  // every name of that second is taken
  SaveFailed,  // the sample work directory cannot be written
};

struct SampleWriteResult {
  SampleWriteStatus status = SampleWriteStatus::SaveFailed;
  // The header of the new sample; its path is set whenever a name was found.
  SampleRecord record;
  OperatorMessage message;  // when not written

  bool ok() const { return status == SampleWriteStatus::Written; }
};

struct SampleFolders {
  std::string appDirectory;         // holds Config/SampleTemplate.ini
  std::string sampleWorkDirectory;  // receives the new file
};

SampleWriteResult WriteSampleFile(const SampleFolders& folders, const TestParameters& parameters,
                                  const SampleValues& values, std::uint8_t source, const SampleTime& time,
                                  const WriteFaultHook& fault = {});

// The values of the last run (measuredValues), source 1.
SampleWriteResult WriteCapturedSample(const MainWindowState& state, const SampleTime& time = CurrentSampleTime());

// Averaged values, source 3.
SampleWriteResult WriteAverageSample(const MainWindowState& state, const SampleValues& averaged,
                                     const SampleTime& time = CurrentSampleTime());

}  // namespace vn
