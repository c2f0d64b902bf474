#include "common/stdio_file_ex.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "common/file_bytes.h"
#include "common/flush_to_disk.h"
#include "common/open_for_writing.h"
#include "common/temporary_file.h"

namespace pelorin {
namespace {

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

// The reason of this thread's latest failed write, for callers that report it later.
thread_local std::error_code lastFailure;

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

bool CStdioFileEx::writeLines(const std::filesystem::path& path, const Lines& lines,
                              std::error_code& reason) {
  return replaceFile(path, encode(lines), reason);
}

bool CStdioFileEx::replaceFile(const std::filesystem::path& path, std::string_view bytes) {
  std::error_code reason;
  return replaceFile(path, bytes, reason);
}

bool CStdioFileEx::replaceFile(const std::filesystem::path& requested, std::string_view bytes,
                               std::error_code& reason) {
  const auto path = linkTarget(requested);
  removeStaleTemporaries(path);
  const auto temporary = temporaryFor(path);
  errno = 0;
  std::FILE* file = openForWriting(temporary);
  if (file == nullptr) {
    reason = std::error_code(errno != 0 ? errno : EIO, std::generic_category());
    lastFailure = reason;
    return false;
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool flushed = written && flushToDisk(file);
  const bool closed = std::fclose(file) == 0;
  reason = std::error_code(errno != 0 ? errno : EIO, std::generic_category());
  if (written && flushed && closed) {
    copyPermissions(path, temporary);
    std::filesystem::rename(temporary, path, reason);
    if (!reason) return true;
  }
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  lastFailure = reason;
  return false;
}

std::string CStdioFileEx::lastWriteFailure() {
  return lastFailure.message();
}

}  // namespace pelorin
