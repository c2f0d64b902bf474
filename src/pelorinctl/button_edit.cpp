#include "pelorinctl/button_edit.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>

#include "common/utf.h"
#include "keys/key_name_table.h"
#include "keys/vk_to_usage_table.h"
#include "lang/text_ids.h"
#include "pelorinctl/setting_names.h"

namespace pelorin::ctl {
namespace {

constexpr AssignmentCode kLeftClick{code_type::kMouseButton, button_mask::kLeft, 0};

struct Modifier {
  const char* name;
  const char* caption;
  std::uint8_t bit;
};
constexpr std::array<Modifier, 4> kModifiers = {{{"ctrl", "Ctrl+", modifier_mask::kCtrl},
                                                 {"shift", "Shift+", modifier_mask::kShift},
                                                 {"alt", "Alt+", modifier_mask::kAlt},
                                                 {"win", "Win+", modifier_mask::kWin}}};

std::string lower(std::string_view text) {
  std::string out(text);
  std::ranges::transform(out, out.begin(), [](unsigned char c) { return std::tolower(c); });
  return out;
}

// A key a shortcut can carry: named, mapped to a keyboard usage, and neither a modifier nor
// one of the program's mouse codes.
bool shortcutKey(int vk) {
  const auto usage = VkToUsageTable::usage(vk);
  return usage != 0 && (usage < 0xE0 || usage > 0xE7) && usage < 0xF0 &&
         KeyNameTable::name(vk) != u"Undefined";
}

std::optional<int> keyByName(std::string_view name) {
  const std::string wanted = lower(name);
  for (int vk = 0; vk < 256; ++vk) {
    if (shortcutKey(vk) && lower(toUtf8(KeyNameTable::name(vk))) == wanted) return vk;
  }
  return std::nullopt;
}

// "CTRL+ALT+C": modifiers in any order and case, then one key name.
std::optional<KeySlot> shortcut(std::string_view spec) {
  KeySlot slot;
  std::string caption;
  std::uint8_t mask = 0;
  std::size_t start = 0;
  for (std::size_t plus = spec.find('+'); plus != std::string_view::npos && plus + 1 < spec.size();
       plus = spec.find('+', start)) {
    const std::string word = lower(spec.substr(start, plus - start));
    const auto* modifier =
        std::ranges::find_if(kModifiers, [&](const Modifier& m) { return word == m.name; });
    if (modifier == kModifiers.end()) return std::nullopt;
    mask = static_cast<std::uint8_t>(mask | modifier->bit);
    start = plus + 1;
  }
  const auto vk = keyByName(spec.substr(start));
  if (!vk) return std::nullopt;
  for (const auto& modifier : kModifiers) {
    if ((mask & modifier.bit) != 0) caption += modifier.caption;
  }
  slot.Name = toUtf16(caption) + std::u16string(KeyNameTable::name(*vk));
  slot.Value = {code_type::kKeyboard, mask, VkToUsageTable::usage(*vk)};
  return slot;
}

const LibraryItem* findMacro(const std::vector<LibraryItem>& items, const std::u16string& name,
                             int& matches) {
  const LibraryItem* found = nullptr;
  for (const auto& item : items) {
    if (item.isMacro() && item.name == name) {
      ++matches;
      found = &item;
    }
    if (const auto* inner = findMacro(item.children, name, matches)) found = inner;
  }
  return found;
}

// The key combination of a keyboard code, named as `key` takes it.
std::optional<std::string> shortcutText(const AssignmentCode& code) {
  std::string text;
  for (const auto& modifier : kModifiers) {
    if ((code.param1 & modifier.bit) != 0) text += modifier.caption;
  }
  for (int vk = 0; vk < 256; ++vk) {
    if (shortcutKey(vk) && VkToUsageTable::usage(vk) == code.param2) {
      return text + toUtf8(KeyNameTable::name(vk));
    }
  }
  return std::nullopt;
}

std::string keyUsage() {
  return "key [CTRL+][SHIFT+][ALT+][WIN+]KEY with a key name such as C, F5, Space, Page Up";
}

}  // namespace

EditOutcome editButton(std::span<const std::string> words, ProfileRecord& record,
                       const EditEnv& env) {
  const auto number = words.empty() ? std::nullopt : parseNumber(words[0]);
  if (!number || *number < 1 || *number > static_cast<int>(kKeySlotCount) || words.size() < 2) {
    return {SettingGroup::Buttons,
            "set button N FUNCTION  (N 1..5; FUNCTION disable, " + keyUsage() + ", macro NAME)"};
  }
  KeySlot& slot = record.keys[static_cast<std::size_t>(*number - 1)];
  const std::string& kind = words[1];
  if (kind == "disable" && words.size() == 2) {
    slot.Name = env.texts[text_id::kDisable];
    slot.Value = {};
  } else if (kind == "key" && words.size() == 3) {
    const auto keyed = shortcut(words[2]);
    if (!keyed) return {SettingGroup::Buttons, "unknown key '" + words[2] + "'; " + keyUsage()};
    slot.Name = keyed->Name;
    slot.Value = keyed->Value;
  } else if (kind == "macro" && words.size() == 3) {
    int matches = 0;
    const auto* item = findMacro(env.library.topLevel(), toUtf16(words[2]), matches);
    if (item == nullptr)
      return {SettingGroup::Buttons, "no macro named '" + words[2] + "' in the library"};
    if (matches > 1) return {SettingGroup::Buttons, "several macros are named '" + words[2] + "'"};
    // The same macro again changes nothing: its copy and slot numbering stay as they are.
    const bool same =
        slot.Value.type == code_type::kMacro && slot.MacroKeyIndex == item->macro->keyIndex;
    if (!same) {
      slot.Name = env.texts[text_id::kMacroPrefix] + item->name;
      slot.Value = {code_type::kMacro, 0, 0};
      slot.Macro.copyFrom(*item->macro);
      slot.MacroKeyIndex = item->macro->keyIndex;
    }
  } else {
    return {SettingGroup::Buttons, "unknown button function '" + kind + "'; accepted: disable, " +
                                       keyUsage() + ", macro NAME"};
  }
  if (std::ranges::none_of(record.keys, [](const KeySlot& k) { return k.Value == kLeftClick; })) {
    return {SettingGroup::Buttons, toUtf8(env.texts[text_id::kLeftClickMustStay])};
  }
  return {SettingGroup::Buttons, {}};
}

std::string buttonFunctionText(const KeySlot& slot) {
  const auto& code = slot.Value;
  if (code == AssignmentCode{}) return "disable";
  if (code.type == code_type::kKeyboard) {
    if (const auto text = shortcutText(code)) return "key " + *text;
  }
  if (code.type == code_type::kMacro) return "macro " + toUtf8(slot.Macro.name);
  char bytes[16];
  std::snprintf(bytes, sizeof bytes, "code %.2X %.2X %.2X", code.type, code.param1, code.param2);
  return bytes;
}

}  // namespace pelorin::ctl
