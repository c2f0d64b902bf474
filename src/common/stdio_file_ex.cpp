#include "common/stdio_file_ex.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "common/file_bytes.h"
#include "common/flush_to_disk.h"
#include "common/temporary_file.h"

namespace pelorin {
namespace {

thread_local std::error_code lastFailure;

bool failed(std::error_code reason) {
  lastFailure = reason;
  return false;
}

// A save through a symbolic link replaces the file it points to and keeps the link.
std::filesystem::path linkTarget(std::filesystem::path path) {
  constexpr int kMaxHops = 40;
  std::error_code error;
  for (int hop = 0; hop < kMaxHops && std::filesystem::is_symlink(path, error); ++hop) {
    auto target = std::filesystem::read_symlink(path, error);
    if (error) break;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;
}

// The new file keeps the permission bits the user gave the old one.
void copyPermissions(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  const auto status = std::filesystem::status(from, error);
  if (error || !std::filesystem::exists(status)) return;
  std::filesystem::permissions(to, status.permissions(), std::filesystem::perm_options::replace,
                               error);
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
  const auto bytes = readFileBytes(path);
  if (!bytes) return std::nullopt;
  return decode(*bytes);
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

bool CStdioFileEx::replaceFile(const std::filesystem::path& requested, std::string_view bytes) {
  const auto path = linkTarget(requested);
  removeStaleTemporaries(path);
  const auto temporary = temporaryFor(path);
  std::FILE* file = std::fopen(temporary.string().c_str(), "wb");
  if (file == nullptr) return failed(std::error_code(errno, std::generic_category()));
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool flushed = written && flushToDisk(file);
  const bool closed = std::fclose(file) == 0;
  std::error_code error(errno, std::generic_category());
  if (written && flushed && closed) {
    error.clear();
    copyPermissions(path, temporary);
    std::filesystem::rename(temporary, path, error);
    if (!error) return true;
  }
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return failed(error);
}

std::string CStdioFileEx::lastWriteFailure() {
  return lastFailure.message();
}

}  // namespace pelorin
