// The lighting group, written against its content origin. What it shows follows the effect
// mode of the current profile; each mode keeps its own speed, brightness, direction and colours.
#include <array>
#include <initializer_list>
#include <optional>

#include "keys/decimal_text.h"
#include "lang/text_ids.h"
#include "pages/pages.h"
#include "profile/value_captions.h"
#include "profile/value_domains.h"
#include "skin/color_select_check_button.h"
#include "skin/combo_button.h"
#include "skin/notify_code.h"
#include "skin/slider_control.h"

namespace pelorin {
namespace {

constexpr const char* kBar = "skins\\Slider_bar.png";
constexpr const char* kThumb = "skins\\Slider_Circle.png";
constexpr const char* kSlotNormal = "skins\\color_select_nr.png";
constexpr const char* kSlotChecked = "skins\\color_select_check.png";

constexpr int kCombo = 3120;
constexpr unsigned kComboMessage = 1144;
constexpr unsigned kModeChosen = 1145;
constexpr unsigned kListClosed = 1146;
constexpr int kListKind = 9;
constexpr int kSpeed = 3200;
constexpr int kBrightness = 3220;
constexpr int kSpeedText = 3210;
constexpr int kBrightnessText = 3230;
constexpr int kFirstSlot = 3180;
constexpr int kSlots = 8;
constexpr int kUp = 3240;
constexpr int kDown = 3250;
constexpr std::uint32_t kUpBit = 0x800;
constexpr std::uint32_t kDownBit = 0x1000;
constexpr unsigned kSlotClickMs = 150;

constexpr ControlRow slot(int k) {
  return {kFirstSlot + k,
          ControlKind::ColourSlot,
          {42 + 26 * k, 134, 63 + 26 * k, 154},
          {kSlotNormal, kSlotChecked}};
}

constexpr std::array<ControlRow, 21> kLightingTable = {{
    {3120,
     ControlKind::Combo,
     {40, 11, 229, 36},
     {"skins\\combo3_nr.png", "skins\\combo3_ov.png"},
     kNoText,
     {},
     1144},
    {3162, ControlKind::Label, {42, 42, 132, 60}, {}, text_id::kBrightness},
    {3163, ControlKind::Label, {42, 42, 132, 60}, {}, text_id::kSpeed},
    {3191, ControlKind::Picture, {42, 72, 187, 75}, {kBar}},
    {3190, ControlKind::Picture, {42, 72, 187, 75}, {kBar}},
    {3220, ControlKind::Slider, {42, 67, 187, 80}, {kThumb}},
    {3200, ControlKind::Slider, {42, 67, 187, 80}, {kThumb}},
    {3230, ControlKind::Value, {195, 64, 235, 82}, {}, kNoText, u"100%"},
    {3210, ControlKind::Value, {195, 64, 226, 82}, {}, kNoText, u"1"},
    {3161, ControlKind::Label, {42, 107, 252, 125}, {}, text_id::kColors},
    slot(0),
    slot(1),
    slot(2),
    slot(3),
    slot(4),
    slot(5),
    slot(6),
    slot(7),
    {3164, ControlKind::Label, {42, 107, 132, 125}, {}, text_id::kDirection},
    {3240,
     ControlKind::Radio,
     {42, 134, 71, 152},
     {"skins\\up_nr.png", "skins\\up_ov.png", "skins\\up_check.png"}},
    {3250,
     ControlKind::Radio,
     {81, 134, 110, 152},
     {"skins\\down_nr.png", "skins\\down_ov.png", "skins\\down_check.png"}},
}};

// Which controls each effect mode shows (bit m for mode m).
struct ModeShown {
  std::array<int, 5> ids;
  unsigned modes;
};
constexpr unsigned modes(std::initializer_list<int> list) {
  unsigned bits = 0;
  for (int m : list) bits |= 1u << m;
  return bits;
}
constexpr std::array<ModeShown, 7> kModeShown = {{
    {{kSpeed, 3190, kSpeedText, 3163}, modes({1, 2, 4, 5, 7})},
    {{kBrightness, 3191, kBrightnessText, 3162}, modes({3})},
    {{3161, 3180}, modes({2, 3, 6, 7})},
    {{3181}, modes({2, 6, 7})},
    {{3182, 3183, 3184, 3185, 3186}, modes({2, 6})},
    {{3187}, modes({6})},
    {{3164, kUp, kDown}, modes({1})},
}};

// The effects of the mode list: caption and mode number.
struct Effect {
  int textId;
  std::uint8_t mode;
};
constexpr std::array<Effect, 8> kEffects = {{
    {text_id::kLightingWave, 1},
    {text_id::kLightingBreathing, 2},
    {text_id::kLightingSteady, 3},
    {text_id::kLightingColorCycle, 4},
    {text_id::kLightingFlash, 5},
    {text_id::kLightingReactive, 6},
    {text_id::kLightingNeon, 9},
    {text_id::kLightingOff, 0},
}};

// Deselecting a slot is refused when the mode would be left with too few colours.
struct KeepColours {
  std::uint8_t mode;
  int slots;      // the slots counted, from the first
  int refusedAt;  // selected count at which deselecting is refused; 0: always
  int textId;
};
constexpr std::array<KeepColours, 4> kKeepColours = {{
    {3, kSlots, 0, text_id::kOneColourMustStay},
    {2, 7, 1, text_id::kOneColourMustStay},
    {6, 8, 2, text_id::kEffectNeedsTwoColours},
    {7, 2, 1, text_id::kOneColourMustStay},
}};

class LightingPage final : public Page {
 public:
  LightingPage() : Page(kLightingTable) {}

  void refresh(const ProfileRecord& profile) override;
  bool onNotify(int id, int code, std::intptr_t wParam) override;
  bool onTimer(int id) override;
  void setShown(bool shown) override {
    Page::setShown(shown);
    applyMode();
  }

 protected:
  void created() override {
    slider(kSpeed).setStopCount(kLightingSpeedSteps);
    slider(kBrightness).setStopCount(static_cast<int>(kBrightnessPercent.size()));
  }

 private:
  CSliderControl& slider(int id) const { return static_cast<CSliderControl&>(*control(id)); }
  CColorSelectCheckButton& colourSlot(int k) const {
    return static_cast<CColorSelectCheckButton&>(*control(kFirstSlot + k));
  }
  CComboButton& combo() const { return static_cast<CComboButton&>(*control(kCombo)); }
  // The mode's row of the per-mode fields; none for modes past the table.
  std::optional<std::size_t> row() const {
    return mode_ < kLightingModeCount ? std::optional<std::size_t>(mode_) : std::nullopt;
  }
  void applyMode();
  void showSpeed(int position) const;
  void showBrightness(int step) const;
  void onSlider(int id, int code, int position);
  void openList();
  void chooseEffect(std::size_t entry);
  void closeList();
  void onSlot(int k, int code);
  void chooseColour(int k);

  std::size_t mode_ = 0;
  int doubleClicked_ = -1;
};

void LightingPage::refresh(const ProfileRecord& profile) {
  mode_ = profile.Lighting1ModeValue[0];
  combo().setText(profile.Lighting1Name);
  if (const auto m = row()) {
    for (int k = 0; k < kSlots; ++k) {
      const auto s = static_cast<std::size_t>(k);
      colourSlot(k).setColour(profile.Lighting1FixedColor[*m][s]);
      colourSlot(k).setSelected(profile.Lighting1ColorSelected[*m][s] != 0);
    }
    // The sliders stop at the nearest position; the texts say what is stored.
    const int speed = profile.Lighting1Speed[*m];
    const int brightness = profile.Lighting1Brightness[*m];
    slider(kSpeed).setPosition(speed);
    slider(kBrightness).setPosition(brightness % static_cast<int>(kBrightnessPercent.size()));
    showSpeed(speed);
    showBrightness(brightness);
    options().clear(kUpBit | kDownBit);
    options().set(profile.Lighting1Direction[*m] != 0 ? kUpBit : kDownBit);
  }
  applyMode();
}

void LightingPage::applyMode() {
  for (const auto& entry : kModeShown) {
    const bool mine = mode_ < 32 && ((entry.modes >> mode_) & 1u) != 0;
    for (int id : entry.ids) {
      if (CControlBase* c = id != 0 ? control(id) : nullptr) c->setShown(shown() && mine);
    }
  }
}

void LightingPage::showSpeed(int position) const {
  control(kSpeedText)->setText(decimalText(position + 1));
}

void LightingPage::showBrightness(int step) const {
  control(kBrightnessText)->setText(std::u16string(brightnessCaption(step)));
}

// While dragging only the text follows; the release stores the thumb's position.
void LightingPage::onSlider(int id, int code, int position) {
  if (code == notify::kDragged) {
    id == kSpeed ? showSpeed(position) : showBrightness(position);
    return;
  }
  if (code != notify::kClicked || !row()) return;
  const auto value = static_cast<std::uint8_t>(slider(id).position());
  host()->edit(SettingGroup::Performance, [id, m = *row(), value](ProfileRecord& p) {
    (id == kSpeed ? p.Lighting1Speed : p.Lighting1Brightness)[m] = value;
  });
}

bool LightingPage::onNotify(int id, int code, std::intptr_t wParam) {
  if (host() == nullptr || profile() == nullptr) return false;
  const auto message = static_cast<unsigned>(id);
  if (message == kComboMessage) {
    if (code == notify::kClicked) openList();
  } else if (message == kModeChosen) {
    chooseEffect(static_cast<std::size_t>(code));
  } else if (message == kListClosed) {
    closeList();
  } else if (id == kSpeed || id == kBrightness) {
    onSlider(id, code, static_cast<int>(wParam));
  } else if (id == kUp || id == kDown) {
    if (code == notify::kClicked && row()) {
      host()->edit(SettingGroup::Performance, [m = *row(), up = id == kUp](ProfileRecord& p) {
        p.Lighting1Direction[m] = up ? 1 : 0;
      });
    }
  } else if (id >= kFirstSlot && id < kFirstSlot + kSlots) {
    onSlot(id - kFirstSlot, code);
  } else {
    return false;
  }
  return true;
}

// A click waits for the double-click time before it toggles; a double click opens the palette
// once its button is up, so the palette gets the pointer.
void LightingPage::onSlot(int k, int code) {
  if (code == notify::kDoubleClick) {
    host()->killTimer(k + 1);
    doubleClicked_ = k;
  } else if (code == notify::kClicked && doubleClicked_ == k) {
    doubleClicked_ = -1;
    chooseColour(k);
  } else if (code == notify::kClicked) {
    doubleClicked_ = -1;
    host()->startTimer(k + 1, kSlotClickMs);
  }
}

void LightingPage::openList() {
  ListPopup list{kListKind, kModeChosen, {}, -1};
  for (const Effect& effect : kEffects) {
    if (effect.mode == mode_) list.marked = static_cast<int>(list.rows.size());
    list.rows.push_back(texts()[effect.textId]);
  }
  combo().setPopupOpen(true);
  host()->openList(combo(), std::move(list));
}

void LightingPage::chooseEffect(std::size_t entry) {
  closeList();
  if (entry >= kEffects.size()) return;
  host()->edit(SettingGroup::Performance, [name = texts()[kEffects[entry].textId],
                                           mode = kEffects[entry].mode](ProfileRecord& p) {
    p.Lighting1Name = name;
    p.Lighting1ModeValue = {mode, 0, 0};
  });
}

void LightingPage::closeList() {
  combo().setPopupOpen(false);
  host()->closeList();
}

// A single click, once the double-click time has passed without a second one.
bool LightingPage::onTimer(int id) {
  const int k = id - 1;
  if (k < 0 || k >= kSlots || host() == nullptr || profile() == nullptr || !row()) return false;
  const auto& selected = profile()->Lighting1ColorSelected[*row()];
  if (selected[static_cast<std::size_t>(k)] != 0) {
    for (const auto& rule : kKeepColours) {
      if (rule.mode != mode_) continue;
      int count = 0;
      for (int s = 0; s < rule.slots; ++s) count += selected[static_cast<std::size_t>(s)] != 0;
      if (rule.refusedAt == 0 || count == rule.refusedAt) {
        host()->notice(text_id::kAttentionTitle, rule.textId);
        return true;
      }
    }
  }
  const bool select = selected[static_cast<std::size_t>(k)] == 0;
  host()->edit(SettingGroup::Performance, [m = *row(), k, select](ProfileRecord& p) {
    p.Lighting1ColorSelected[m][static_cast<std::size_t>(k)] = select ? 1 : 0;
  });
  return true;
}

void LightingPage::chooseColour(int k) {
  const auto m = row();
  if (!m) return;
  const auto colour = host()->chooseColour({ColourTarget::Kind::Lighting, static_cast<int>(*m), k});
  if (!colour) return;
  host()->edit(SettingGroup::Performance, [m = *m, k, c = *colour](ProfileRecord& p) {
    p.Lighting1FixedColor[m][static_cast<std::size_t>(k)] = c;
  });
}

}  // namespace

std::unique_ptr<Page> makeLightingPage() {
  return std::make_unique<LightingPage>();
}

}  // namespace pelorin
