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
#include "profile/captions.h"
#include "profile/function_catalogue.h"
#include "profile/profile_rules.h"

namespace pelorin::ctl {
namespace {

using Words = std::span<const std::string>;

struct Modifier {
  const char* name;
  const char* caption;
  bool ShortcutBoxes::*box;
  std::uint8_t bit;
};
constexpr std::array<Modifier, 4> kModifiers = {{
    {"ctrl", "Ctrl+", &ShortcutBoxes::ctrl, modifier_mask::kCtrl},
    {"shift", "Shift+", &ShortcutBoxes::shift, modifier_mask::kShift},
    {"alt", "Alt+", &ShortcutBoxes::alt, modifier_mask::kAlt},
    {"win", "Win+", &ShortcutBoxes::win, modifier_mask::kWin},
}};

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

// "CTRL+ALT+C": modifiers in any order and case, then one key name; composed as the shortcut
// dialog composes it.
std::optional<SelectionRecord> shortcut(std::string_view combination) {
  ShortcutBoxes boxes;
  std::size_t start = 0;
  for (std::size_t plus = combination.find('+');
       plus != std::string_view::npos && plus + 1 < combination.size();
       plus = combination.find('+', start)) {
    const std::string word = lower(combination.substr(start, plus - start));
    const auto* modifier =
        std::ranges::find_if(kModifiers, [&](const Modifier& m) { return word == m.name; });
    if (modifier == kModifiers.end()) return std::nullopt;
    boxes.*(modifier->box) = true;
    start = plus + 1;
  }
  const auto vk = keyByName(combination.substr(start));
  if (!vk) return std::nullopt;
  return shortcutSelection(boxes, *vk);
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

std::string functionNames() {
  std::string names;
  for (const CatalogueEntry* entry : namedFunctions()) {
    if (entry->kind != EntryKind::Function) continue;
    names += (names.empty() ? "" : ", ") + std::string(entry->scriptName);
  }
  return names;
}

std::string usageText() {
  return "set button N FUNCTION  (N 1..5; FUNCTION one of " + functionNames() +
         "; key [CTRL+][SHIFT+][ALT+][WIN+]KEY; fire-key INTERVAL COUNT; macro NAME)";
}

EditOutcome refused(std::string why) {
  return {SettingGroup::Buttons, std::move(why)};
}

std::string assignMacro(KeySlot& slot, const std::string& name, const EditEnv& env) {
  int matches = 0;
  const auto* item = findMacro(env.library.topLevel(), toUtf16(name), matches);
  if (item == nullptr) return "no macro named '" + name + "' in the library";
  if (matches > 1) return "several macros are named '" + name + "'";
  // The same macro again changes nothing: its copy and slot numbering stay as they are.
  if (slot.Value.type == code_type::kMacro && slot.MacroKeyIndex == item->macro->keyIndex)
    return {};
  const SelectionRecord chosen = macroSelection(item->name, env.texts);
  slot.Name = chosen.caption;
  slot.Value = chosen.code;
  slot.Macro.copyFrom(*item->macro);
  slot.MacroKeyIndex = item->macro->keyIndex;
  return {};
}

// What the words assign; nothing, with the reason, when they name no function.
std::optional<SelectionRecord> selection(Words words, const EditEnv& env, std::string& why) {
  const std::string& kind = words[0];
  if (kind == "key" && words.size() == 2) {
    if (auto keyed = shortcut(words[1])) return keyed;
    why = "unknown key '" + words[1] +
          "'; key [CTRL+][SHIFT+][ALT+][WIN+]KEY with a key name "
          "such as C, F5, Space, Page Up";
    return std::nullopt;
  }
  if (kind == "fire-key" && words.size() == 3) {
    const auto interval = parseNumber(words[1]);
    const auto count = parseNumber(words[2]);
    if (interval && count && *interval <= 255 && *count <= 255) {
      if (auto fire = fireKeySelection(*interval, *count, env.texts)) return fire;
    }
    why = "fire-key INTERVAL COUNT: interval 5..255 ms, count 0..255";
    return std::nullopt;
  }
  const CatalogueEntry* entry = words.size() == 1 ? findFunction(kind) : nullptr;
  if (auto chosen = entry != nullptr ? entrySelection(*entry, env.texts) : std::nullopt)
    return chosen;
  why = "unknown button function '" + kind + "'; " + usageText();
  return std::nullopt;
}

}  // namespace

EditOutcome editButton(Words words, ProfileRecord& record, const EditEnv& env) {
  const auto number = words.empty() ? std::nullopt : parseNumber(words[0]);
  if (!number || *number < 1 || *number > static_cast<int>(kKeySlotCount) || words.size() < 2) {
    return refused(usageText());
  }
  KeySlot& slot = record.keys[static_cast<std::size_t>(*number - 1)];
  if (words[1] == "macro" && words.size() == 3) {
    if (auto why = assignMacro(slot, words[2], env); !why.empty()) return refused(why);
  } else {
    std::string why;
    const auto chosen = selection(words.subspan(1), env, why);
    if (!chosen) return refused(why);
    slot.Name = chosen->caption;
    slot.Value = chosen->code;
  }
  if (!hasLeftClick(record)) {
    return refused(toUtf8(env.texts[text_id::kLeftClickMustStay]));
  }
  return {SettingGroup::Buttons, {}};
}

std::string buttonFunctionText(const KeySlot& slot, const LanguageTable& texts) {
  const auto& code = slot.Value;
  for (const CatalogueEntry* entry : namedFunctions()) {
    const auto chosen = entrySelection(*entry, texts);
    if (chosen && chosen->code == code && chosen->caption == slot.Name) {
      return std::string(entry->scriptName);
    }
  }
  if (code.type == code_type::kKeyboard) {
    if (const auto text = shortcutText(code)) return "key " + *text;
  }
  if (code.type == code_type::kFireKey) {
    return "fire-key " + std::to_string(code.param1) + " " + std::to_string(code.param2);
  }
  if (code.type == code_type::kMacro) return "macro " + toUtf8(slot.Macro.name);
  char bytes[16];
  std::snprintf(bytes, sizeof bytes, "code %.2X %.2X %.2X", code.type, code.param1, code.param2);
  return bytes;
}

}  // namespace pelorin::ctl
