#include "platform/linux/report_descriptor.h"

#include <gtest/gtest.h>

#include "linux_hid/known_descriptors.h"

namespace pelorin {
namespace {

using testing::Descriptor;

struct LengthCase {
  const char* name;
  Descriptor descriptor;
  ReportLengths expected;
};

void PrintTo(const LengthCase& c, std::ostream* out) {
  *out << c.name;
}

class ReportLengthsTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(ReportLengthsTest, MatchesWhatWindowsReports) {
  auto lengths = reportLengths(GetParam().descriptor);
  ASSERT_TRUE(lengths.has_value());
  EXPECT_EQ(lengths->input, GetParam().expected.input);
  EXPECT_EQ(lengths->feature, GetParam().expected.feature);
}

INSTANTIATE_TEST_SUITE_P(
    Descriptors, ReportLengthsTest,
    ::testing::Values(
        // Without report ids the id byte is still counted: 4 data bytes give 5.
        LengthCase{"BootMouse", testing::kBootMouse, {5, 0}},
        LengthCase{"ReportIdMouse", testing::kReportIdMouse, {8, 0}},
        // The largest of three reports wins; the LED output report does not count.
        LengthCase{"KeyboardConsumerSystem", testing::kKeyboardConsumerSystem, {9, 0}},
        LengthCase{"VendorEvent", testing::kVendorEvent, {33, 0}},
        // Push/pop restores 32 x 8 bits; without the pop the feature would be 129 bytes.
        LengthCase{"VendorCommandWithPushPop", testing::kVendorCommand, {0, 33}},
        LengthCase{"EventAndCommand", testing::kVendorEventAndCommand, {33, 33}},
        LengthCase{"Empty", {}, {0, 0}},
        // Bits that do not fill a byte round up: 3 bits are one byte.
        LengthCase{"PartialByte", {0x75, 0x01, 0x95, 0x03, 0x81, 0x02}, {2, 0}},
        // A report id is global state: it survives a pop that restores an earlier id.
        LengthCase{"PopRestoresReportId",
                   {0x85, 0x01, 0x75, 0x08, 0x95, 0x02, 0xA4, 0x85, 0x02, 0x95, 0x10, 0x81, 0x02,
                    0xB4, 0x81, 0x02, 0x81, 0x02},
                   {17, 0}},
        // Report bits add up per id across collections and items.
        LengthCase{"BitsAddUpPerId",
                   {0x85, 0x07, 0x75, 0x04, 0x95, 0x01, 0xB1, 0x02, 0xA1, 0x01, 0xB1, 0x02, 0xB1,
                    0x02, 0xC0},
                   {0, 3}},
        // Long items carry no layout and are skipped whole, data included.
        LengthCase{"LongItemSkipped",
                   {0xFE, 0x02, 0x10, 0x81, 0x02, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02},
                   {2, 0}},
        // The longest report whose length still fits 16 bits: 2047 x 256 bits and 240 more.
        LengthCase{
            "LongestReport",
            {0x76, 0x00, 0x01, 0x96, 0xFF, 0x07, 0xB1, 0x02, 0x75, 0xF0, 0x95, 0x01, 0xB1, 0x02},
            {0, 65535}}),
    [](const auto& param) { return std::string(param.param.name); });

struct MalformedCase {
  const char* name;
  Descriptor descriptor;
};

void PrintTo(const MalformedCase& c, std::ostream* out) {
  *out << c.name;
}

class MalformedDescriptorTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedDescriptorTest, IsRejected) {
  EXPECT_FALSE(reportLengths(GetParam().descriptor).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Descriptors, MalformedDescriptorTest,
    ::testing::Values(MalformedCase{"TruncatedData", {0x75, 0x08, 0x96, 0x01}},
                      MalformedCase{"TruncatedFourByteItem", {0x07, 0x00, 0xFF, 0x00}},
                      MalformedCase{"TruncatedLongItem", {0xFE, 0x05, 0x10, 0x00}},
                      MalformedCase{"PopWithoutPush", {0xA4, 0xB4, 0xB4}},
                      MalformedCase{"ReportIdZero", {0x85, 0x00}},
                      MalformedCase{"ReportIdTooLarge", {0x86, 0x00, 0x01}},
                      MalformedCase{"ReportSizeTooLarge", {0x76, 0x01, 0x01}},
                      MalformedCase{"ReportCountTooLarge", {0x96, 0x01, 0x30}},
                      // One bit more than the longest report above.
                      MalformedCase{"ReportTooLong",
                                    {0x76, 0x00, 0x01, 0x96, 0xFF, 0x07, 0xB1, 0x02, 0x75, 0xF1,
                                     0x95, 0x01, 0xB1, 0x02}}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace pelorin
