#include <gtest/gtest.h>

#include <fstream>

#include "common/file_bytes.h"
#include "common/stdio_file_ex.h"
#include "common/temporary_file.h"

namespace pelorin {
namespace {

// This suite has no manifest, so its code page is the ANSI one, which holds none of these names
// whole: each must still reach the system as it is.
TEST(UnicodeFileNames, ASaveReadsBackLeavesNoTemporaryAndStaleOnesOfAnyNameAreCleaned) {
  const auto folder = std::filesystem::temp_directory_path() / u"Данные 数据 é";
  std::filesystem::remove_all(folder);
  ASSERT_TRUE(std::filesystem::create_directories(folder));
  const auto file = folder / u"Macros_é 宏.mbf";
  ASSERT_TRUE(CStdioFileEx::replaceFile(file, "first"));
  ASSERT_TRUE(CStdioFileEx::replaceFile(file, "second"));
  EXPECT_EQ(readFileBytes(file), "second");

  const auto stale = folder / u"Perfil é 配置.psf.tmp999999999";
  std::ofstream(stale) << "cut off";
  ASSERT_TRUE(std::filesystem::exists(stale));
  removeStaleTemporariesIn(folder);
  std::vector<std::filesystem::path> left;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) left.push_back(entry);
  EXPECT_EQ(left, std::vector<std::filesystem::path>{file});
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace pelorin
