#include "common/stdio_file_ex.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace pelorin {
namespace {

// Flushes the operating system's buffers too, so the rename never exposes a half-written file
// after a power loss.
bool flushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#if __has_include(<unistd.h>)
  return ::fsync(::fileno(file)) == 0;
#else
  return true;
#endif
}

std::filesystem::path temporaryBeside(const std::filesystem::path& path) {
  std::random_device seed;
  auto name = path.filename().string() + ".tmp" + std::to_string(seed() % 1000000);
  return path.parent_path() / name;
}

}  // namespace

CStdioFileEx::Lines CStdioFileEx::decode(std::string_view bytes) {
  Lines lines;
  std::u16string current;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const auto unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                            (static_cast<unsigned char>(bytes[i + 1]) << 8));
    if (unit != u'\n') {
      current += unit;
      continue;
    }
    if (current.empty()) return lines;
    lines.push_back(std::move(current));
    current.clear();
  }
  if (!current.empty()) lines.push_back(std::move(current));
  return lines;
}

std::optional<CStdioFileEx::Lines> CStdioFileEx::readLines(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return decode(bytes);
}

std::string CStdioFileEx::encode(const Lines& lines) {
  std::size_t units = 1;
  for (const auto& line : lines) units += line.size() + 1;
  std::string bytes;
  bytes.reserve(units * 2);
  auto put = [&bytes](char16_t unit) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  };
  put(0xFEFF);
  for (const auto& line : lines) {
    for (char16_t unit : line) put(unit);
    put(u'\n');
  }
  return bytes;
}

bool CStdioFileEx::writeLines(const std::filesystem::path& path, const Lines& lines) {
  return replaceFile(path, encode(lines));
}

bool CStdioFileEx::replaceFile(const std::filesystem::path& path, std::string_view bytes) {
  const auto temporary = temporaryBeside(path);
  std::FILE* file = std::fopen(temporary.string().c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool flushed = written && flushToDisk(file);
  const bool closed = std::fclose(file) == 0;
  std::error_code error;
  if (written && flushed && closed) {
    std::filesystem::rename(temporary, path, error);
    if (!error) return true;
  }
  std::filesystem::remove(temporary, error);
  return false;
}

}  // namespace pelorin
