// A fresh folder per test with the layout of the tester's working directory
// ("Config", "Sample") and a sample work directory, plus small helpers for
// the files the golden-sample tests read and write.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/atomic_file.h"
#include "samples/sample_file_writer.h"
#include "support/sim_fixture.h"

namespace vn::test {

class SampleFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = TestFolderPath("samples");
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "Config");
    std::filesystem::create_directories(root / "work");
  }
  void TearDown() override { std::filesystem::remove_all(root); }

  std::string AppDirectory() const { return root.string(); }
  std::string WorkDirectory() const { return (root / "work").string(); }
  std::string Path(const std::string& relative) const { return (root / relative).string(); }
  SampleFolders Folders() const { return {AppDirectory(), WorkDirectory()}; }

  static std::string Text(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return bytes;
  }
  static void Put(const std::string& path, const std::string& bytes) {
    ASSERT_TRUE(WriteFileAtomically(path, bytes)) << path;
  }

  std::filesystem::path root;
};

// Lines joined with the CR LF the profile files are written with.
inline std::string CrLf(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace vn::test
