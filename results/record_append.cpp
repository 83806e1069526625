#include "results/record_append.h"

#include <cerrno>

namespace vn {

namespace {

struct OpenedFile {
  const RecordLine* line;
  std::unique_ptr<AppendFile> file;
  std::uint64_t sizeBefore = 0;
};

AppendOutcome Failed(const std::string& path, int error) { return {false, error != 0 ? error : EIO, path}; }

// The first count files back to their sizes before; the others were not written.
void CutBack(std::vector<OpenedFile>& files, std::size_t count) {
  for (std::size_t i = 0; i < count && i < files.size(); ++i) files[i].file->Truncate(files[i].sizeBefore);
}

AppendOutcome OpenAll(const std::vector<RecordLine>& lines, const AppendFileOpener& opener,
                      std::vector<OpenedFile>& files) {
  for (const RecordLine& line : lines) {
    int error = 0;
    std::unique_ptr<AppendFile> file = opener(line.path, error);
    if (!file) return Failed(line.path, error);
    const std::optional<std::uint64_t> size = file->Size();
    if (!size) return Failed(line.path, file->lastError());
    files.push_back({&line, std::move(file), *size});
  }
  return {true, 0, {}};
}

bool WriteWhole(OpenedFile& f) {
  const std::string bytes = (f.sizeBefore == 0 ? f.line->header : std::string()) + f.line->line;
  const std::optional<std::size_t> written = f.file->Write(bytes);
  return written && *written == bytes.size();
}

}  // namespace

AppendOutcome AppendRecordLines(const std::vector<RecordLine>& lines, const AppendFileOpener& opener) {
  std::vector<OpenedFile> files;
  files.reserve(lines.size());
  if (AppendOutcome opened = OpenAll(lines, opener, files); !opened) return opened;
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (WriteWhole(files[i])) continue;
    const int error = files[i].file->lastError();
    CutBack(files, i + 1);
    return Failed(files[i].line->path, error);
  }
  for (OpenedFile& f : files) {
    if (f.file->Flush()) continue;
    const int error = f.file->lastError();
    CutBack(files, files.size());
    return Failed(f.line->path, error);
  }
  return {true, 0, {}};
}

}  // namespace vn
