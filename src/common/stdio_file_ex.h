#pragma once
// The one text-file format of the program: UTF-16 little-endian, a byte-order mark, lines ended by
// a single line feed. Every file the program stores (profiles, configuration, macro library,
// language files) goes through here so that all of them share the same reading and writing rules.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace pelorin {

class CStdioFileEx {
 public:
  using Lines = std::vector<std::u16string>;

  // Reading skips the first two bytes whatever they hold, splits at line feeds (a carriage return
  // stays part of its line) and stops at the first empty line, which readers take as the end.
  // A trailing odd byte is dropped. Returns nullopt when there is no regular file to read (missing,
  // a folder, a pipe) or reading it fails.
  static std::optional<Lines> readLines(const std::filesystem::path& path);
  static Lines decode(std::string_view bytes);

  // Writing puts the mark at position 0 and a line feed after every line. The file is replaced
  // atomically: the text goes to a temporary file beside it, which is flushed and renamed over the
  // old one, so a failed save leaves the previous file intact. The new file keeps the old one's
  // permission bits, a symbolic link is kept and its target replaced, and temporaries left by
  // earlier saves that were cut off are removed. Returns false on any failure.
  static bool writeLines(const std::filesystem::path& path, const Lines& lines);
  // The same, handing out the system's reason of a failure for the user to read.
  static bool writeLines(const std::filesystem::path& path, const Lines& lines,
                         std::error_code& reason);
  static std::string encode(const Lines& lines);

  // Replaces a file atomically with the given bytes; shared by every writer of the program.
  static bool replaceFile(const std::filesystem::path& path, std::string_view bytes);
  static bool replaceFile(const std::filesystem::path& path, std::string_view bytes,
                          std::error_code& reason);
  // The system's reason for the latest write of this thread that failed ("Permission denied").
  static std::string lastWriteFailure();
};

}  // namespace pelorin
