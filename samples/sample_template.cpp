#include "samples/sample_template.h"

#include "samples/sample_paths.h"

namespace vn {

ProfileDocument SampleDocumentFromTemplate(const std::string& appDirectory) {
  ProfileLoadResult loaded = ProfileDocument::Load(SampleTemplatePath(appDirectory));
  if (loaded.status != ProfileLoadStatus::Loaded) return ProfileDocument{};
  return std::move(loaded.document);
}

}  // namespace vn
