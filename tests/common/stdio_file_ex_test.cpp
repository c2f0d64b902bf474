#include "common/stdio_file_ex.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <fstream>
#include <random>

#include "common/process_id.h"
#include "common/utf.h"

namespace pelorin {
namespace {

std::string bytesOf(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

TEST(StdioFileEx, EncodesMarkThenLinesEachEndedByOneLineFeed) {
  EXPECT_EQ(
      CStdioFileEx::encode({u"[A]", u"k=\u4E2D"}),
      bytesOf({0xFF, 0xFE, '[', 0, 'A', 0, ']', 0, '\n', 0, 'k', 0, '=', 0, 0x2D, 0x4E, '\n', 0}));
}

struct DecodeCase {
  const char* name;
  std::string bytes;
  CStdioFileEx::Lines expected;
};

class DecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, FollowsTheReadingRules) {
  EXPECT_EQ(CStdioFileEx::decode(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DecodeTest,
    testing::Values(
        DecodeCase{"CarriageReturnStays",
                   bytesOf({0xFF, 0xFE, 'a', 0, '\r', 0, '\n', 0, 'b', 0, '\n', 0}),
                   {u"a\r", u"b"}},
        DecodeCase{"EmptyLineEndsTheFile",
                   bytesOf({0xFF, 0xFE, 'a', 0, '\n', 0, '\n', 0, 'b', 0, '\n', 0}),
                   {u"a"}},
        DecodeCase{
            "FirstTwoBytesSkippedWhateverTheyAre", bytesOf({'x', 0, 'a', 0, '\n', 0}), {u"a"}},
        DecodeCase{"LastLineWithoutLineFeed",
                   bytesOf({0xFF, 0xFE, 'a', 0, '\n', 0, 'b', 0}),
                   {u"a", u"b"}},
        DecodeCase{"OddTrailingByteDropped", bytesOf({0xFF, 0xFE, 'a', 0, 'b'}), {u"a"}},
        DecodeCase{"LoneSurrogateKept",
                   bytesOf({0xFF, 0xFE, 0x00, 0xD8, '\n', 0}),
                   {std::u16string(1, char16_t{0xD800})}},
        DecodeCase{"TooShort", bytesOf({0xFF}), {}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(StdioFileEx, ArbitraryBytesNeverCrashAndValidTextRoundTrips) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    std::string bytes(random() % 64, '\0');
    for (auto& b : bytes) b = static_cast<char>(random());
    const auto lines = CStdioFileEx::decode(bytes);
    for (const auto& line : lines) {
      EXPECT_FALSE(line.empty());
      EXPECT_EQ(line.find(u'\n'), std::u16string::npos);
    }
    EXPECT_EQ(CStdioFileEx::decode(CStdioFileEx::encode(lines)), lines);
  }
}

class StdioFileExOnDisk : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("pelorin_text_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(StdioFileExOnDisk, ReplacesTheFileAndLeavesNoTemporaryBehind) {
  const auto path = dir_ / "config.ini";
  ASSERT_TRUE(CStdioFileEx::writeLines(path, {u"[Setting]", u"old=1"}));
  ASSERT_TRUE(CStdioFileEx::writeLines(path, {u"[Setting]", u"new=\u5B8B\u4F53"}));
  EXPECT_EQ(CStdioFileEx::readLines(path),
            (CStdioFileEx::Lines{u"[Setting]", u"new=\u5B8B\u4F53"}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
}

TEST_F(StdioFileExOnDisk, FailedWriteKeepsThePreviousFile) {
  const auto path = dir_ / "default0.psf";
  ASSERT_TRUE(CStdioFileEx::writeLines(path, {u"[Setting]"}));
  // A directory where the temporary file would go cannot be written: the rename must not happen.
  const auto blocked = dir_ / "sub" / "x.psf";
  EXPECT_FALSE(CStdioFileEx::writeLines(blocked, {u"x"}));
  std::filesystem::create_directories(dir_ / "target.psf");
  EXPECT_FALSE(CStdioFileEx::writeLines(dir_ / "target.psf", {u"x"}));
  EXPECT_EQ(CStdioFileEx::readLines(path), (CStdioFileEx::Lines{u"[Setting]"}));
}

TEST_F(StdioFileExOnDisk, MissingFileIsNotAnEmptyFile) {
  EXPECT_FALSE(CStdioFileEx::readLines(dir_ / "absent.txt").has_value());
  std::ofstream(dir_ / "empty.txt").close();
  EXPECT_EQ(CStdioFileEx::readLines(dir_ / "empty.txt"), CStdioFileEx::Lines{});
}

// Nothing that sits at a path may throw, block or read as text unless it is a regular file.
#ifdef _WIN32
TEST_F(StdioFileExOnDisk, WhatIsNotARegularReadableFileReadsAsMissing) {
  std::filesystem::create_directory(dir_ / "folder.psf");
  // A pipe with nobody writing to it: reading it would block.
  const std::filesystem::path pipe = LR"(\\.\pipe\pelorin_text_test)";
  HANDLE server =
      ::CreateNamedPipeW(pipe.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 64, 64, 0, nullptr);
  ASSERT_NE(server, INVALID_HANDLE_VALUE);
  for (const auto& path : {dir_ / "folder.psf", pipe, std::filesystem::path("NUL")}) {
    EXPECT_FALSE(CStdioFileEx::readLines(path).has_value()) << path;
  }
  ::CloseHandle(server);
}
#else
TEST_F(StdioFileExOnDisk, WhatIsNotARegularReadableFileReadsAsMissing) {
  std::filesystem::create_directory(dir_ / "folder.psf");
  ASSERT_EQ(::mkfifo((dir_ / "pipe.ini").c_str(), 0600), 0);
  std::filesystem::create_symlink(dir_ / "gone.txt", dir_ / "dangling.txt");
  for (const auto& path : {dir_ / "folder.psf", dir_ / "pipe.ini", dir_ / "dangling.txt",
                           std::filesystem::path("/proc/self/mem")}) {
    EXPECT_FALSE(CStdioFileEx::readLines(path).has_value()) << path;
  }
}

// Windows has neither permission bits of this kind nor symbolic links for ordinary users.

TEST_F(StdioFileExOnDisk, ReplacingKeepsPermissionBitsAndSymbolicLinks) {
  const auto target = dir_ / "real" / "default0.psf";
  std::filesystem::create_directory(dir_ / "real");
  ASSERT_TRUE(CStdioFileEx::writeLines(target, {u"old"}));
  std::filesystem::permissions(target, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
  std::filesystem::create_symlink("real/default0.psf", dir_ / "link.psf");

  ASSERT_TRUE(CStdioFileEx::writeLines(dir_ / "link.psf", {u"new"}));
  EXPECT_TRUE(std::filesystem::is_symlink(dir_ / "link.psf"));
  EXPECT_EQ(CStdioFileEx::readLines(target), CStdioFileEx::Lines{u"new"});
  EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::owner_write |
                                                               std::filesystem::perms::group_read);
}
#endif

#ifdef _WIN32
// A suspended copy of this program: another process that runs until the test ends it.
class OtherProcess {
 public:
  OtherProcess() {
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ::CreateProcessW(self, nullptr, nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                     &startup, &process_);
  }
  ~OtherProcess() {
    ::TerminateProcess(process_.hProcess, 0);
    ::CloseHandle(process_.hThread);
    ::CloseHandle(process_.hProcess);
  }
  OtherProcess(const OtherProcess&) = delete;
  OtherProcess& operator=(const OtherProcess&) = delete;
  long id() const { return static_cast<long>(process_.dwProcessId); }

 private:
  PROCESS_INFORMATION process_{};
};
#endif

TEST_F(StdioFileExOnDisk, SavingRemovesTheFilesStaleTemporariesOnly) {
  // No process can have a number this large; another process runs for the whole test.
  const std::string dead = "999999999";
#ifdef _WIN32
  const OtherProcess other;
  const std::string running = std::to_string(other.id());
#else
  const std::string running = "1";
#endif
  for (const std::string& name : std::vector<std::string>{
           "config.ini.tmp" + dead, "config.ini.tmp" + std::to_string(currentProcessId()),
           "config.ini.tmp" + running, "default0.psf.tmp" + dead, "config.ini.tmpx",
           "config.ini.tmp", "config.ini.tmp1234567890"}) {
    std::ofstream(dir_ / name) << "half";
  }
  ASSERT_TRUE(CStdioFileEx::writeLines(dir_ / "config.ini", {u"[Setting]"}));
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
    left.push_back(entry.path().filename().string());
  }
  std::sort(left.begin(), left.end());
  // A name without a number, or with one longer than any process id, is not the program's.
  std::vector<std::string> kept{"config.ini",
                                "config.ini.tmp",
                                "config.ini.tmp" + running,
                                "config.ini.tmp1234567890",
                                "config.ini.tmpx",
                                "default0.psf.tmp" + dead};
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(left, kept);
}

TEST(Utf, ConvertsBothWaysAndReplacesWhatCannotBeEncoded) {
  EXPECT_EQ(toUtf8(u"\u4E2D\u6587 \U0001F5B1"), "\xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x96\xB1");
  EXPECT_EQ(toUtf16("\xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x96\xB1"), u"\u4E2D\u6587 \U0001F5B1");
  EXPECT_EQ(toUtf8(u"\u007F\u0080\u07FF\u0800"), "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80");  // edges
  EXPECT_EQ(toUtf8(std::u16string(1, char16_t{0xDC00})), "\xEF\xBF\xBD");
  EXPECT_EQ(toUtf8(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
  EXPECT_EQ(toUtf8(u"a" + std::u16string(1, char16_t{0xDBFF}) + u"b"),
            std::string("a") + "\xEF\xBF\xBD" + "b");
  EXPECT_EQ(toUtf16("\xED\xA0\x80"), u"\uFFFD");  // an encoded surrogate, 0xD800
  EXPECT_EQ(toUtf16("\xC0\xAF"), u"\uFFFD");      // overlong encoding of '/'
  EXPECT_EQ(toUtf16("a\xE4\xB8"), u"a\uFFFD");    // truncated sequence
}

}  // namespace
}  // namespace pelorin
