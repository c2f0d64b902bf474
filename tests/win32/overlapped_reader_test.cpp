#include "platform/win32/overlapped_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <future>
#include <string>

namespace pelorin {
namespace {

// A named pipe opened for overlapped reads stands in for a HID interface: a read waits until the
// other end writes, as an event report would arrive.
class PipeReader : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::wstring name = LR"(\\.\pipe\pelorin_reader_)" +
                              std::to_wstring(::GetCurrentProcessId()) + L"_" +
                              std::to_wstring(++serial_);
    server_ =
        OwnedHandle(::CreateNamedPipeW(name.c_str(), PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED,
                                       PIPE_TYPE_BYTE, 1, 64, 64, 0, nullptr));
    writer_ = OwnedHandle(
        ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(server_.valid() && writer_.valid());
  }
  void write(const std::string& bytes) {
    DWORD put = 0;
    ASSERT_TRUE(
        ::WriteFile(writer_.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr));
  }

  static inline int serial_ = 0;
  OwnedHandle server_;
  OwnedHandle writer_;
};

TEST_F(PipeReader, ReadsWhatWasWrittenBeforeAndWhileWaiting) {
  OverlappedReader reader(server_.get());
  std::array<std::uint8_t, 8> buffer{};
  write("\x05\x06\x01");
  auto result = reader.read(buffer);
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(result.bytes, 3u);
  EXPECT_EQ(buffer[0], 0x05);
  EXPECT_EQ(buffer[2], 0x01);

  auto pending = std::async(std::launch::async, [&] { return reader.read(buffer); });
  ASSERT_EQ(pending.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
  write("\x07");
  ASSERT_EQ(pending.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  result = pending.get();
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(result.bytes, 1u);
  EXPECT_EQ(buffer[0], 0x07);
}

TEST_F(PipeReader, CancelEndsABlockedReadAndEveryLaterOne) {
  OverlappedReader reader(server_.get());
  std::array<std::uint8_t, 8> buffer{};
  auto pending = std::async(std::launch::async, [&] { return reader.read(buffer); });
  ASSERT_EQ(pending.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
  reader.cancel();
  ASSERT_EQ(pending.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  EXPECT_FALSE(pending.get().ok());
  // Data that arrives after the cancel is not read any more.
  write("\x05");
  EXPECT_FALSE(reader.read(buffer).ok());
}

TEST_F(PipeReader, AReadFailsWhenTheOtherEndGoesAway) {
  OverlappedReader reader(server_.get());
  std::array<std::uint8_t, 8> buffer{};
  auto pending = std::async(std::launch::async, [&] { return reader.read(buffer); });
  ASSERT_EQ(pending.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
  writer_.reset();
  ASSERT_EQ(pending.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  const auto result = pending.get();
  EXPECT_FALSE(result.ok());
  EXPECT_NE(result.error, "cancelled");
}

}  // namespace
}  // namespace pelorin
