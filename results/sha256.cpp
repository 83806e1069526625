#include "results/sha256.h"

#include <array>
#include <cstdint>

#include "platform/atomic_file.h"

namespace vn {

namespace {

constexpr std::array<std::uint32_t, 64> kRoundConstants = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

using State = std::array<std::uint32_t, 8>;
using Block = std::array<std::uint8_t, 64>;

constexpr std::uint32_t Rotr(std::uint32_t v, int n) { return (v >> n) | (v << (32 - n)); }

std::array<std::uint32_t, 64> MessageSchedule(const Block& block) {
  std::array<std::uint32_t, 64> w{};
  for (int i = 0; i < 16; ++i)
    w[i] = std::uint32_t(block[4 * i]) << 24 | std::uint32_t(block[4 * i + 1]) << 16 |
           std::uint32_t(block[4 * i + 2]) << 8 | std::uint32_t(block[4 * i + 3]);
  for (int i = 16; i < 64; ++i) {
    const std::uint32_t s0 = Rotr(w[i - 15], 7) ^ Rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
    const std::uint32_t s1 = Rotr(w[i - 2], 17) ^ Rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
    w[i] = w[i - 16] + s0 + w[i - 7] + s1;
  }
  return w;
}

void Compress(State& h, const Block& block) {
  const auto w = MessageSchedule(block);
  std::uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4], f = h[5], g = h[6], k = h[7];
  for (int i = 0; i < 64; ++i) {
    const std::uint32_t t1 = k + (Rotr(e, 6) ^ Rotr(e, 11) ^ Rotr(e, 25)) + ((e & f) ^ (~e & g)) + kRoundConstants[i] + w[i];
    const std::uint32_t t2 = (Rotr(a, 2) ^ Rotr(a, 13) ^ Rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
    k = g, g = f, f = e, e = d + t1, d = c, c = b, b = a, a = t1 + t2;
  }
  const State add = {a, b, c, d, e, f, g, k};
  for (int i = 0; i < 8; ++i) h[i] += add[i];
}

// The message followed by 0x80, zeros and its length in bits (big-endian),
// a multiple of 64 bytes long.
std::string Padded(std::string_view bytes) {
  std::string padded(bytes);
  padded += static_cast<char>(0x80);
  while (padded.size() % 64 != 56) padded += '\0';
  const std::uint64_t bits = static_cast<std::uint64_t>(bytes.size()) * 8;
  for (int shift = 56; shift >= 0; shift -= 8) padded += static_cast<char>((bits >> shift) & 0xFF);
  return padded;
}

std::string Hex(const State& h) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (std::uint32_t word : h)
    for (int shift = 28; shift >= 0; shift -= 4) text += kDigits[(word >> shift) & 0xF];
  return text;
}

}  // namespace

std::string Sha256Hex(std::string_view bytes) {
  State h = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a, 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
  const std::string padded = Padded(bytes);
  for (std::size_t at = 0; at < padded.size(); at += 64) {
    Block block;
    for (std::size_t i = 0; i < 64; ++i) block[i] = static_cast<std::uint8_t>(padded[at + i]);
    Compress(h, block);
  }
  return Hex(h);
}

std::optional<std::string> FileSha256Hex(const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return std::nullopt;
  return Sha256Hex(bytes);
}

}  // namespace vn
