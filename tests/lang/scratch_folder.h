#pragma once
// A fresh folder per test, removed afterwards, so file tests never see each other's files.
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "common/stdio_file_ex.h"
#include "common/utf.h"

namespace pelorin::testing {

class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("pelorin-test-" + std::to_string(seed()) + std::to_string(seed()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Writes UTF-8 lines as the program's UTF-16 text; "\r" inside a line stays, as a file saved
// with CR LF line ends would carry it.
inline void writeTextFile(const std::filesystem::path& path,
                          const std::vector<std::string>& lines) {
  CStdioFileEx::Lines encoded;
  for (const auto& line : lines) encoded.push_back(toUtf16(line));
  CStdioFileEx::writeLines(path, encoded);
}

}  // namespace pelorin::testing
