#include <gtest/gtest.h>

#include "platform/atomic_file.h"
#include "results/sha256.h"
#include "results_folder.h"

namespace vn {
namespace {

TEST(Sha256Test, KnownDigests) {
  // Lengths around the padding boundary (55, 56, 63, 64 bytes) catch a wrong
  // length field or a missing extra block.
  const struct {
    const char* name;
    std::string message;
    const char* digest;
  } cases[] = {
      {"empty", "", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"two blocks", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {"55 bytes", std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
      {"56 bytes", std::string(56, 'a'), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a"},
      {"63 bytes", std::string(63, 'a'), "7d3e74a05d7db15bce4ad9ec0658ea98e3f06eeecf16b4c6fff2da457ddc2f34"},
      {"64 bytes", std::string(64, 'a'), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
      {"a million", std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
      {"utf-8 bytes", "测试", "6aa8f49cc992dfd75a114269ed26de0ad6d4e7d7a70d9c8afb3d7a57a88a73ed"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Sha256Hex(c.message), c.digest);
  }
}

TEST(Sha256Test, FileDigestIsTheDigestOfItsBytes) {
  const auto dir = test::FreshFolder("sha");
  const std::string path = (dir / "config.txt").string();
  ASSERT_TRUE(WriteFileAtomically(path, "abc"));
  EXPECT_EQ(FileSha256Hex(path), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(FileSha256Hex((dir / "missing.txt").string()), std::nullopt);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vn
