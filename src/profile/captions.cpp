#include "profile/captions.h"

#include <array>
#include <string>

#include "keys/key_name_table.h"
#include "keys/vk_to_usage_table.h"
#include "profile/value_captions.h"

namespace pelorin {
namespace {

constexpr int kDpiLockText = 36;
constexpr int kFireKeyText = 26;
constexpr int kMacroText = 190;
constexpr int kNoMacroText = 34;

// Shift, Ctrl and Alt in their plain, left and right forms, and both Win keys.
constexpr std::array<int, 11> kModifierKeys{0x10, 0x11, 0x12, 0xA0, 0xA1, 0xA2,
                                            0xA3, 0xA4, 0xA5, 0x5B, 0x5C};

std::u16string withoutTrailingPlus(std::u16string text) {
  if (!text.empty() && text.back() == u'+') text.pop_back();
  return text;
}

std::uint8_t asByte(int value) {
  return static_cast<std::uint8_t>(value & 0xFF);
}

}  // namespace

int captureShortcutKey(int capturedKey, int pressedKey) {
  for (int modifier : kModifierKeys) {
    if (pressedKey == modifier) return capturedKey;
  }
  return pressedKey;
}

SelectionRecord shortcutSelection(const ShortcutBoxes& boxes, int capturedKey) {
  std::u16string caption;
  std::uint8_t mask = 0;
  if (!boxes.modifiersOff) {
    const std::array<std::pair<bool, std::pair<std::u16string_view, std::uint8_t>>, 4> parts{{
        {boxes.ctrl, {u"Ctrl+", modifier_mask::kCtrl}},
        {boxes.shift, {u"Shift+", modifier_mask::kShift}},
        {boxes.alt, {u"Alt+", modifier_mask::kAlt}},
        {boxes.win, {u"Win+", modifier_mask::kWin}},
    }};
    for (const auto& [checked, part] : parts) {
      if (!checked) continue;
      caption += part.first;
      mask = static_cast<std::uint8_t>(mask | part.second);
    }
  }
  if (capturedKey != kNoKey) caption += KeyNameTable::name(capturedKey);
  return {withoutTrailingPlus(std::move(caption)),
          {code_type::kKeyboard, mask, VkToUsageTable::usage(capturedKey)}};
}

SelectionRecord dpiLockSelection(int lockStep, const LanguageTable& texts) {
  return {texts[kDpiLockText] + u"-" + std::u16string(dpiMenuCaption(lockStep - 1)),
          {code_type::kDpiLock, asByte(lockStep), 0}};
}

std::optional<SelectionRecord> fireKeySelection(int firstNumber, int secondNumber,
                                                const LanguageTable& texts) {
  if (firstNumber < kFireKeyMinimum) return std::nullopt;
  return SelectionRecord{withoutTrailingPlus(texts[kFireKeyText]),
                         {code_type::kFireKey, asByte(firstNumber), asByte(secondNumber)}};
}

SelectionRecord macroSelection(std::u16string_view macroName, const LanguageTable& texts) {
  return {texts[kMacroText] + std::u16string(macroName), {code_type::kMacro, 0, 0}};
}

SelectionRecord noMacroSelection(const LanguageTable& texts) {
  return {texts[kNoMacroText], {code_type::kDisabled, 0, 0}};
}

SelectionRecord programLaunchSelection(std::u16string_view path) {
  const auto slash = path.find_last_of(u"\\/");
  const std::u16string_view name =
      slash == std::u16string_view::npos ? path : path.substr(slash + 1);
  return {std::u16string(name), {code_type::kProgramLaunch, 0, 0}};
}

}  // namespace pelorin
