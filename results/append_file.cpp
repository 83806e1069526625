#include "results/append_file.h"

#include <cerrno>

#if defined(_WIN32)
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <fcntl.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vn {

namespace {

#if defined(_WIN32)
int OpenForAppend(const std::string& path) {
  int fd = -1;
  _sopen_s(&fd, path.c_str(), _O_WRONLY | _O_CREAT | _O_APPEND | _O_BINARY, _SH_DENYNO, _S_IREAD | _S_IWRITE);
  return fd;
}
bool FileSize(int fd, std::uint64_t& size) {
  struct _stat64 info {};
  if (_fstat64(fd, &info) != 0) return false;
  size = static_cast<std::uint64_t>(info.st_size);
  return true;
}
long long WriteOnce(int fd, std::string_view bytes) { return _write(fd, bytes.data(), static_cast<unsigned>(bytes.size())); }
bool SyncFile(int fd) { return _commit(fd) == 0; }
bool TruncateFile(int fd, std::uint64_t size) { return _chsize_s(fd, static_cast<long long>(size)) == 0; }
void CloseFile(int fd) { _close(fd); }
#else
int OpenForAppend(const std::string& path) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
}
bool FileSize(int fd, std::uint64_t& size) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return false;
  size = static_cast<std::uint64_t>(info.st_size);
  return true;
}
long long WriteOnce(int fd, std::string_view bytes) { return ::write(fd, bytes.data(), bytes.size()); }
bool SyncFile(int fd) { return ::fsync(fd) == 0; }
bool TruncateFile(int fd, std::uint64_t size) { return ::ftruncate(fd, static_cast<off_t>(size)) == 0; }
void CloseFile(int fd) { ::close(fd); }
#endif

class SystemAppendFile : public AppendFile {
 public:
  explicit SystemAppendFile(int fd) : fd_(fd) {}
  ~SystemAppendFile() override { CloseFile(fd_); }

  std::optional<std::uint64_t> Size() override {
    std::uint64_t size = 0;
    if (FileSize(fd_, size)) return size;
    return Fail<std::uint64_t>();
  }
  std::optional<std::size_t> Write(std::string_view bytes) override {
    const long long written = WriteOnce(fd_, bytes);
    if (written < 0) return Fail<std::size_t>();
    // A short write leaves errno unset: the usual cause is a full disk.
    if (static_cast<std::size_t>(written) < bytes.size()) error_ = ENOSPC;
    return static_cast<std::size_t>(written);
  }
  bool Flush() override { return Succeeded(SyncFile(fd_)); }
  bool Truncate(std::uint64_t size) override { return Succeeded(TruncateFile(fd_, size)); }
  int lastError() const override { return error_; }

 private:
  bool Succeeded(bool ok) {
    if (!ok) error_ = errno;
    return ok;
  }
  template <typename T>
  std::optional<T> Fail() {
    error_ = errno;
    return std::nullopt;
  }

  int fd_;
  int error_ = 0;
};

}  // namespace

std::unique_ptr<AppendFile> OpenAppendFile(const std::string& path, int& error) {
  const int fd = OpenForAppend(path);
  if (fd < 0) {
    error = errno;
    return nullptr;
  }
  error = 0;
  return std::make_unique<SystemAppendFile>(fd);
}

}  // namespace vn
