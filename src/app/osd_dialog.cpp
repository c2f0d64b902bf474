#include "app/osd_dialog.h"

#include <string>

#include "platform/text_format.h"

namespace pelorin {
namespace {

constexpr std::u16string_view kSongTi = u"\u5B8B\u4F53";
constexpr Colour kWhite = 0xFFFFFF;
constexpr int kSmallHeight = 24;
constexpr int kLargeHeight = 48;
constexpr int kBold = 700;
constexpr int kNormal = 400;
constexpr Point kLevelAt{58, 20};
constexpr int kValueTop = 44;
constexpr int kRateTop = 92;

std::u16string decimal(int value) {
  const std::string digits = std::to_string(value);
  return {digits.begin(), digits.end()};
}

std::u16string_view rateName(std::uint8_t index) {
  switch (index) {
    case 0:
      return u"125Hz";
    case 1:
      return u"250Hz";
    case 2:
      return u"500Hz";
    default:
      return u"1000Hz";
  }
}

// A step index past the sensor's table shows the table's last resolution, as the DPI bars do.
int shownDpi(const DpiStepTable& steps, int step) {
  if (const auto dpi = steps.dpiOfStep(step)) return *dpi;
  return steps.dpiOfStep(steps.stepCount() - 1).value_or(0);
}

}  // namespace

// A level the mask does not hold (the mouse and the profile disagree) reads as the first level.
OsdTexts osdTexts(const ProfileRecord& profile, int deviceLevel, const DpiStepTable& steps) {
  const int level = levelOfOrdinal(profile.DPIOffOnFlag, deviceLevel).value_or(0);
  const int step = profile.XYSetting[static_cast<std::size_t>(level)];
  return {u"DPI-" + decimal(level + 1), decimal(shownDpi(steps, step)),
          std::u16string(rateName(profile.PollingRateValue[0]))};
}

int osdValueLeft(std::u16string_view value, std::u16string_view face) {
  const bool songTi = face == kSongTi;
  switch (value.size()) {
    case 5:
      return songTi ? 34 : 16;
    case 4:
      return songTi ? 44 : 34;
    default:
      return 50;
  }
}

int osdRateLeft(std::u16string_view rate) {
  return rate.size() == 6 ? 50 : 57;
}

COSDDialog::COSDDialog(WindowSystem& host, Font ui, float scale)
    : host_(host), ui_(std::move(ui)), scale_(scale) {}

COSDDialog::~COSDDialog() {
  if (window_ != kNoWindow) host_.destroy(window_);
}

int COSDDialog::scaled(int design) const {
  return static_cast<int>(static_cast<float>(design) * scale_);
}

void COSDDialog::create(const OsdTexts& texts) {
  if (window_ != kNoWindow) return;
  texts_ = texts;
  const Rect work = host_.screen().workArea;
  const int width = scaled(kDesignSize.width);
  const int height = scaled(kDesignSize.height);
  const Rect frame = Rect::ofSize(work.right - width, work.bottom - height, width, height);
  Window& window =
      host_.createWindow(WindowSpec{WindowKind::Osd, frame, kNoWindow, u"Pelorin"}, *this);
  window_ = window.id();
  window.show(ShowMode::Normal);
}

void COSDDialog::setTexts(const OsdTexts& texts) {
  texts_ = texts;
  if (Window* window = host_.find(window_)) window->invalidateAll();
}

void COSDDialog::onPaint(Canvas& canvas, const Rect&) {
  const Rect client{0, 0, scaled(kDesignSize.width), scaled(kDesignSize.height)};
  canvas.fillRect(client, kFill);
  const Font small{ui_.face, scaled(kSmallHeight), kBold, ui_.language};
  const Font large{ui_.face, scaled(kLargeHeight), kNormal, ui_.language};
  const auto at = [&](std::u16string_view text, int x, int y, const Font& font) {
    canvas.drawText(text, Rect{scaled(x), scaled(y), client.right, client.bottom}, font, kWhite,
                    text::kLeft | text::kSingleLine);
  };
  at(texts_.level, kLevelAt.x, kLevelAt.y, small);
  at(texts_.value, osdValueLeft(texts_.value, ui_.face), kValueTop, large);
  at(texts_.rate, osdRateLeft(texts_.rate), kRateTop, small);
}

}  // namespace pelorin
