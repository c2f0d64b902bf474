// The DPI group: eight levels of bar, caption, enable box and colour, each level 31 design
// pixels right of the one before, so that all eight fit inside the group's 262-pixel box (at a
// wider pitch the last two levels fell past the window's right edge and could not be reached).
// These keep their creation places whatever the layout does.
#include <algorithm>
#include <array>
#include <string>

#include "pages/pages.h"
#include "profile/profile_rules.h"
#include "skin/check_button.h"
#include "skin/color_select_button.h"
#include "skin/dpi_radio_button.h"
#include "skin/dpi_value_show_control.h"
#include "skin/notify_code.h"
#include "skin/vertical_slider_control.h"

namespace pelorin {
namespace {

constexpr int kLevels = 8;
constexpr int kLevelStep = 31;
constexpr int kFirstBar = 3280;
constexpr int kFirstValue = 3300;
constexpr int kFirstCaption = 3290;
constexpr int kFirstBox = 3260;
constexpr int kFirstColour = 3270;
// The current level's caption is red, the others grey (window colour values).
constexpr Colour kCurrentCaption = 0x0000FF;
constexpr Colour kOtherCaption = 0xB4B4B4;

constexpr std::array<ControlRow, 5> kLevelOne = {{
    {kFirstBar,
     ControlKind::LevelBar,
     {864, 75, 871, 207},
     {"skins\\mouse\\dpi_bar_1.png", "skins\\mouse\\dpi_bar_2.png"}},
    {kFirstValue,
     ControlKind::LevelValue,
     {864, 75, 871, 207},
     {"skins\\mouse\\dpi_bar_1.png", "skins\\mouse\\dpi_bar_2.png"}},
    {kFirstCaption, ControlKind::DpiCaption, {853, 212, 883, 223}, {"skins\\dpi_value.png"}},
    {kFirstBox,
     ControlKind::Check,
     {862, 226, 873, 237},
     {"skins\\check_button_dpi_nr.png", "skins\\check_button_dpi_ov.png",
      "skins\\check_button_dpi_dn.png"}},
    {kFirstColour, ControlKind::ColourButton, {855, 240, 881, 252}},
}};

constexpr std::array<ControlRow, kLevels * kLevelOne.size()> levelTable() {
  std::array<ControlRow, kLevels * kLevelOne.size()> table{};
  std::size_t next = 0;
  for (const auto& first : kLevelOne) {
    for (int k = 0; k < kLevels; ++k) {
      ControlRow row = first;
      row.id += k;
      const int dx = kLevelStep * k;
      row.rect = {first.rect.left + dx, first.rect.top, first.rect.right + dx, first.rect.bottom};
      table[next++] = row;
    }
  }
  return table;
}

constexpr auto kDpiTable = levelTable();

std::u16string decimal(int value) {
  const std::string digits = std::to_string(value);
  return {digits.begin(), digits.end()};
}

// The level of a control id in the run that starts at first, or -1.
int levelOf(int id, int first) {
  return id >= first && id < first + kLevels ? id - first : -1;
}

// The value display only shows the level; the bar over it takes the pointer: dragging its thumb
// moves the level, a click elsewhere on it opens the value dialog.
class DpiPage final : public Page {
 public:
  DpiPage() : Page(kDpiTable) {}

  void refresh(const ProfileRecord& profile) override;
  bool onNotify(int id, int code, std::intptr_t wParam) override;

 protected:
  void created() override {
    for (int k = 0; k < kLevels; ++k) {
      value(k).setHitTestable(false);
      value(k).setHoverable(false);
    }
  }

 private:
  template <typename T>
  T& at(int id) const {
    return static_cast<T&>(*control(id));
  }
  CVerticalSliderControl& bar(int k) const { return at<CVerticalSliderControl>(kFirstBar + k); }
  CDPIValueShowControl& value(int k) const { return at<CDPIValueShowControl>(kFirstValue + k); }
  CDPIRadioButton& caption(int k) const { return at<CDPIRadioButton>(kFirstCaption + k); }
  CCheckButton& box(int k) const { return at<CCheckButton>(kFirstBox + k); }
  CColorSelectButton& swatch(int k) const { return at<CColorSelectButton>(kFirstColour + k); }

  void toggleLevel(int k, bool on);
  void onBar(int k, int code, int position);
  void storeStep(int k, int step);
  void chooseStep(int k);
  void chooseColour(int k);
  void showStep(int k, int step);

  bool dragged_ = false;
};

void DpiPage::refresh(const ProfileRecord& profile) {
  const DpiStepTable* steps = host() != nullptr ? &host()->dpiSteps() : nullptr;
  const int count = steps != nullptr ? std::max(1, steps->stepCount()) : 1;
  const auto current = levelOfOrdinal(profile.DPIOffOnFlag, profile.CurrentDPILevel);
  for (int k = 0; k < kLevels; ++k) {
    const bool enabled = (profile.DPIOffOnFlag >> k) & 1u;
    const int step = std::min<int>(profile.XYSetting[static_cast<std::size_t>(k)], count - 1);
    box(k).setChecked(enabled);
    caption(k).setTextColour(current == k ? kCurrentCaption : kOtherCaption);
    caption(k).setDisabled(!enabled);
    swatch(k).setColour(profile.DPILevelIndication[static_cast<std::size_t>(k)]);
    value(k).setStepCount(count);
    value(k).setStepIndex(step);
    if (bar(k).stopCount() != count) bar(k).setStopCount(count);
    bar(k).setPosition(step);
    showStep(k, step);
  }
}

bool DpiPage::onNotify(int id, int code, std::intptr_t wParam) {
  if (host() == nullptr || profile() == nullptr) return false;
  if (const int k = levelOf(id, kFirstBox); k >= 0 && code == notify::kClicked) {
    toggleLevel(k, box(k).checked());
  } else if (const int bk = levelOf(id, kFirstBar); bk >= 0) {
    onBar(bk, code, static_cast<int>(wParam));
  } else if (const int vk = levelOf(id, kFirstValue); vk >= 0 && code == notify::kClicked) {
    chooseStep(vk);
  } else if (const int ck = levelOf(id, kFirstColour); ck >= 0 && code == notify::kClicked) {
    chooseColour(ck);
  } else if (levelOf(id, kFirstCaption) >= 0) {
    // Captions only show their levels.
  } else {
    return false;
  }
  return true;
}

// The box has already toggled; a refused switch (the last level on) only puts it back.
void DpiPage::toggleLevel(int k, bool on) {
  ProfileRecord trial = *profile();
  if (switchDpiLevel(trial, k, on) != DpiSwitch::Done) {
    host()->refreshPages();
    return;
  }
  host()->edit(SettingGroup::Performance,
               [k, on](ProfileRecord& p) { (void)switchDpiLevel(p, k, on); });
}

void DpiPage::onBar(int k, int code, int position) {
  if (code == notify::kPressed) {
    dragged_ = false;
  } else if (code == notify::kDragged) {
    // The level follows the thumb; it goes to the mouse once the thumb is let go.
    dragged_ = true;
    profile()->XYSetting[static_cast<std::size_t>(k)] = static_cast<DpiStepIndex>(position);
    value(k).setStepIndex(position);
    showStep(k, position);
  } else if (code == notify::kClicked && dragged_) {
    storeStep(k, bar(k).position());
  } else if (code == notify::kClicked) {
    chooseStep(k);
  }
}

void DpiPage::storeStep(int k, int step) {
  host()->edit(SettingGroup::Performance, [k, step](ProfileRecord& p) {
    p.XYSetting[static_cast<std::size_t>(k)] = static_cast<DpiStepIndex>(step);
  });
}

void DpiPage::chooseStep(int k) {
  if (host()->chooseDpiStep(value(k))) storeStep(k, value(k).stepIndex());
}

void DpiPage::chooseColour(int k) {
  const auto colour = host()->chooseColour({ColourTarget::Kind::DpiLevel, 0, k});
  if (!colour) return;
  host()->edit(SettingGroup::Performance, [k, c = *colour](ProfileRecord& p) {
    p.DPILevelIndication[static_cast<std::size_t>(k)] = c;
  });
}

void DpiPage::showStep(int k, int step) {
  if (host() == nullptr) return;
  if (const auto dpi = host()->dpiSteps().dpiOfStep(step)) caption(k).setText(decimal(*dpi));
}

}  // namespace

std::unique_ptr<Page> makeDpiPage() {
  return std::make_unique<DpiPage>();
}

}  // namespace pelorin
