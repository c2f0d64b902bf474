#include "platform/linux/report_descriptor.h"

#include <algorithm>
#include <array>
#include <vector>

namespace pelorin {
namespace {

// Item types and tags of the short-item encoding.
constexpr unsigned kTypeMain = 0;
constexpr unsigned kTypeGlobal = 1;
constexpr unsigned kMainInput = 0x8;
constexpr unsigned kMainFeature = 0xB;
constexpr unsigned kGlobalReportSize = 0x7;
constexpr unsigned kGlobalReportId = 0x8;
constexpr unsigned kGlobalReportCount = 0x9;
constexpr unsigned kGlobalPush = 0xA;
constexpr unsigned kGlobalPop = 0xB;
constexpr std::uint8_t kLongItemPrefix = 0xFE;

// The limits the Linux HID core enforces; a descriptor beyond them never reaches a hidraw node.
constexpr std::uint32_t kMaxReportSize = 256;
constexpr std::uint32_t kMaxReportCount = 12288;
constexpr std::uint32_t kMaxReportBits = 0xFFFEu * 8;

struct GlobalState {
  std::uint32_t reportSize = 0;
  std::uint32_t reportCount = 0;
  std::uint32_t reportId = 0;
};

struct Item {
  unsigned type = 0;
  unsigned tag = 0;
  std::uint32_t data = 0;
};

class Parser {
 public:
  explicit Parser(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::optional<ReportLengths> run() {
    while (pos_ < bytes_.size()) {
      if (bytes_[pos_] == kLongItemPrefix) {
        if (!skipLongItem()) return std::nullopt;
        continue;
      }
      auto item = nextShortItem();
      if (!item || !apply(*item)) return std::nullopt;
    }
    return ReportLengths{lengthOf(inputBits_), lengthOf(featureBits_)};
  }

 private:
  // Long items carry no report layout; they only have to be skipped whole.
  bool skipLongItem() {
    if (pos_ + 3 > bytes_.size()) return false;
    std::size_t end = pos_ + 3 + bytes_[pos_ + 1];
    if (end > bytes_.size()) return false;
    pos_ = end;
    return true;
  }

  std::optional<Item> nextShortItem() {
    unsigned prefix = bytes_[pos_++];
    std::size_t size = (prefix & 3u) == 3u ? 4 : (prefix & 3u);
    if (pos_ + size > bytes_.size()) return std::nullopt;
    Item item{(prefix >> 2) & 3u, prefix >> 4, 0};
    for (std::size_t i = 0; i < size; ++i) item.data |= std::uint32_t{bytes_[pos_ + i]} << (8 * i);
    pos_ += size;
    return item;
  }

  bool apply(const Item& item) {
    if (item.type == kTypeGlobal) return applyGlobal(item);
    if (item.type == kTypeMain && item.tag == kMainInput) return addBits(inputBits_);
    if (item.type == kTypeMain && item.tag == kMainFeature) return addBits(featureBits_);
    return true;
  }

  bool applyGlobal(const Item& item) {
    switch (item.tag) {
      case kGlobalReportSize:
        state_.reportSize = item.data;
        return item.data <= kMaxReportSize;
      case kGlobalReportCount:
        state_.reportCount = item.data;
        return item.data <= kMaxReportCount;
      case kGlobalReportId:
        state_.reportId = item.data;
        return item.data != 0 && item.data < 256;
      case kGlobalPush:
        stack_.push_back(state_);
        return true;
      case kGlobalPop:
        if (stack_.empty()) return false;
        state_ = stack_.back();
        stack_.pop_back();
        return true;
      default:
        return true;
    }
  }

  bool addBits(std::array<std::uint32_t, 256>& bits) {
    std::uint32_t& total = bits[state_.reportId];
    total += state_.reportSize * state_.reportCount;  // at most 256 * 12288: no overflow
    return total <= kMaxReportBits;
  }

  static std::uint16_t lengthOf(const std::array<std::uint32_t, 256>& bits) {
    std::uint32_t largest = *std::max_element(bits.begin(), bits.end());
    if (largest == 0) return 0;
    return static_cast<std::uint16_t>((largest + 7) / 8 + 1);
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
  GlobalState state_;
  std::vector<GlobalState> stack_;
  std::array<std::uint32_t, 256> inputBits_{};
  std::array<std::uint32_t, 256> featureBits_{};
};

}  // namespace

std::optional<ReportLengths> reportLengths(std::span<const std::uint8_t> descriptor) {
  return Parser(descriptor).run();
}

}  // namespace pelorin
