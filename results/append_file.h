// A file that records are appended to, behind an interface so tests can make
// a write stop part-way as a full disk would. The real file is opened for
// appending; every write is one system call.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vn {

class AppendFile {
 public:
  virtual ~AppendFile() = default;
  virtual std::optional<std::uint64_t> Size() = 0;
  // One write at the end of the file; the number of bytes it took (fewer
  // than asked, or nullopt, when the system refused part or all of them).
  virtual std::optional<std::size_t> Write(std::string_view bytes) = 0;
  virtual bool Flush() = 0;  // to the disk
  virtual bool Truncate(std::uint64_t size) = 0;
  // errno of the last failure, 0 for none.
  virtual int lastError() const = 0;
};

// Opens (creating when missing) a file for appending. nullptr with errno in
// error when it cannot be opened.
using AppendFileOpener = std::function<std::unique_ptr<AppendFile>(const std::string& path, int& error)>;

std::unique_ptr<AppendFile> OpenAppendFile(const std::string& path, int& error);

}  // namespace vn
