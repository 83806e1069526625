#include "platform/atomic_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#if defined(_WIN32)
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vn {

namespace {

std::string TemporaryNameFor(const std::string& path) {
  static std::atomic<unsigned> counter{0};
#if defined(_WIN32)
  const unsigned long pid = GetCurrentProcessId();
#else
  const unsigned long pid = static_cast<unsigned long>(::getpid());
#endif
  return path + ".tmp" + std::to_string(pid) + "-" + std::to_string(counter++);
}

AtomicWriteResult Failure(WriteStep step, int error) {
  AtomicWriteResult result;
  result.failedStep = step;
  result.systemMessage = error != 0 ? std::strerror(error) : "injected failure";
  return result;
}

bool Injected(const WriteFaultHook& fault, WriteStep step) { return fault && fault(step); }

bool FlushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#if defined(_WIN32)
  return _commit(_fileno(file)) == 0;
#else
  return ::fsync(::fileno(file)) == 0;
#endif
}

bool ReplaceFile(const std::string& from, const std::string& to) {
#if defined(_WIN32)
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
  return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

}  // namespace

AtomicWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                                      const WriteFaultHook& fault) {
  const std::string temporary = TemporaryNameFor(path);
  if (Injected(fault, WriteStep::Open)) return Failure(WriteStep::Open, 0);
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return Failure(WriteStep::Open, errno);

  auto abandon = [&](WriteStep step, int error) {
    std::fclose(file);
    std::remove(temporary.c_str());
    return Failure(step, error);
  };
  if (Injected(fault, WriteStep::Write)) return abandon(WriteStep::Write, 0);
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
    return abandon(WriteStep::Write, errno);
  if (Injected(fault, WriteStep::Flush)) return abandon(WriteStep::Flush, 0);
  if (!FlushToDisk(file)) return abandon(WriteStep::Flush, errno);
  if (std::fclose(file) != 0) {
    std::remove(temporary.c_str());
    return Failure(WriteStep::Flush, errno);
  }
  const bool renameInjected = Injected(fault, WriteStep::Rename);
  if (renameInjected || !ReplaceFile(temporary, path)) {
    const int error = renameInjected ? 0 : errno;
    std::remove(temporary.c_str());
    return Failure(WriteStep::Rename, error);
  }
  AtomicWriteResult result;
  result.ok = true;
  return result;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return false;
  bytes = buffer.str();
  return true;
}

}  // namespace vn
