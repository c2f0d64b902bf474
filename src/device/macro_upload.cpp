#include "device/macro_upload.h"

#include <algorithm>
#include <vector>

#include "keys/vk_to_usage_table.h"
#include "lang/text_ids.h"

namespace pelorin {
namespace {

constexpr std::size_t kChunkData = 25;

bool isMacroButton(const KeySlot& slot) {
  return slot.Value.type == kMacroCodeType;
}

// Searches one sibling list, stopping at its first free slot and skipping folders.
const LibraryItem* findIn(const std::vector<LibraryItem>& list, std::uint32_t keyIndex) {
  for (const auto& item : list) {
    if (item.isFree()) break;
    if (item.isFolder == 0 && item.macro && item.macro->keyIndex == keyIndex) return &item;
  }
  return nullptr;
}

// All first-level items first, then all second-level ones, then the third level.
const LibraryItem* findMacro(const MacroLibrary& library, std::uint32_t keyIndex) {
  const auto& top = library.topLevel();
  if (const auto* found = findIn(top, keyIndex)) return found;
  for (const auto& folder : top) {
    if (folder.isFree()) break;
    if (const auto* found = findIn(folder.children, keyIndex)) return found;
  }
  for (const auto& folder : top) {
    if (folder.isFree()) break;
    for (const auto& sub : folder.children) {
      if (sub.isFree()) break;
      if (const auto* found = findIn(sub.children, keyIndex)) return found;
    }
  }
  return nullptr;
}

std::uint8_t entryKind(std::uint8_t d) {
  if (d <= 0x90) return 3;
  if (d <= 0xE7) return 2;
  if (d >= 0xF0 && d <= 0xF4) return 1;
  if (d == 0xF5) return 4;
  if (d == 0xF6) return 5;
  if (d == 0xF7) return 6;
  return 0;
}

std::uint8_t entryValue(std::uint8_t kind, std::uint8_t d, const MacroAction& action) {
  switch (kind) {
    case 1:
    case 2:
      return static_cast<std::uint8_t>(1u << (d & 7));
    case 4:
    case 5:
    case 6:
      return action.b3;
    default:
      return d;
  }
}

}  // namespace

bool assignMacroSlots(ProfileRecord& profile, const MacroLibrary& library,
                      const LanguageTable& texts, bool relink) {
  std::vector<const LibraryItem*> numbered;  // slot n belongs to numbered[n - 1]
  bool modified = false;
  for (auto& button : profile.keys) {
    if (!isMacroButton(button)) continue;
    const LibraryItem* item = findMacro(library, button.MacroKeyIndex);
    if (item == nullptr) {
      button.Name = texts[text_id::kDisable];
      button.Value = {};
      continue;
    }
    auto at = std::find(numbered.begin(), numbered.end(), item);
    if (at == numbered.end()) at = numbered.insert(numbered.end(), item);
    const auto slot = static_cast<std::uint8_t>(at - numbered.begin() + 1);
    if (relink) {
      button.Macro.copyFrom(*item->macro);
      modified = true;
    }
    const MacroKey& macro = *item->macro;
    button.Value = {kMacroCodeType,
                    static_cast<std::uint8_t>((slot & 0x0F) | (macro.loopType << 4)),
                    macro.loopType == loop_type::kRepeatCount ? macro.loopCount : std::uint8_t{0}};
  }
  return modified;
}

MacroArea buildMacroImage(const MacroKey& macro, std::uint8_t slot) {
  MacroArea image{};
  image[0] = 0x09;
  image[1] = kMacroCodeType;
  image[2] = slot;
  std::size_t at = 4;
  const std::size_t count = std::min<std::size_t>(macro.actionCount, MacroKey::kMaxActions);
  // The mouse holds no more entries than the command limit; every read keeps macros within it.
  constexpr std::size_t kEnd = 4 + 3 * std::size_t{MacroKey::kMaxCommands};
  for (std::size_t i = 0; i < count && at < kEnd; ++i) {
    const MacroAction action = macro.actions[i];
    if (action.isDelay()) continue;
    std::uint32_t delay = 0;
    if (i + 1 < count && macro.actions[i + 1].isDelay()) {
      delay = std::min(macro.actions[i + 1].delayMs(), kMaxEntryDelayMs);
    }
    const std::uint8_t d = VkToUsageTable::usage(action.b0);
    const std::uint8_t kind = entryKind(d);
    image[at++] = static_cast<std::uint8_t>((action.b1 & 0x80) | (kind << 4) | (delay >> 8));
    image[at++] = static_cast<std::uint8_t>(delay & 0xFF);
    image[at++] = entryValue(kind, d, action);
  }
  // The count announced is the entries written, so no entry is cut off and none is padded.
  image[3] = static_cast<std::uint8_t>((at - 4) / 3);
  return image;
}

namespace {

// Stops at the first chunk the device refuses: the rest would only fill a slot that is already
// wrong, and the whole macro goes again at the next dispatch.
UploadOutcome sendMacroChunks(DeviceLink& link, const MacroArea& image, std::uint8_t slot) {
  const std::size_t total = std::size_t{image[3]} * 3;
  const std::size_t chunks = std::max<std::size_t>(1, (total + kChunkData - 1) / kChunkData);
  std::size_t remaining = total;
  UploadOutcome outcome;
  for (std::size_t k = 0; k < chunks; ++k) {
    std::array<std::uint8_t, 1 + kChunkData> payload{};
    payload[0] = slot;
    static_assert(4 + (255 * 3 / kChunkData + 1) * kChunkData <= kMacroAreaSize);
    std::copy_n(image.begin() + 4 + kChunkData * k, kChunkData, payload.begin() + 1);
    const auto part = static_cast<std::uint8_t>((k << 4) | (chunks & 0x0F));
    const auto length = static_cast<std::uint8_t>(remaining > kChunkData ? 26 : remaining + 1);
    remaining = remaining > kChunkData ? remaining - kChunkData : 0;
    // A chunk consumes a sequence value even without a handle.
    const Report report = link.buildReport(DeviceCommand::MacroChunk, part, length, payload);
    const bool went = link.hasCommandHandle() && link.sendBuilt(report).ok();
    outcome.sent |= went;
    link.pace(kReportPacingMs);
    if (!went) {
      outcome.refused = true;
      break;
    }
  }
  return outcome;
}

}  // namespace

UploadOutcome uploadMacros(DeviceLink& link, const ProfileRecord& profile,
                           std::array<std::optional<MacroImage>, kMacroSlotCount>& lastSent,
                           bool send) {
  UploadOutcome outcome;
  for (const auto& button : profile.keys) {
    if (!isMacroButton(button)) continue;
    const std::uint8_t slot = button.Value.param1 & 0x0F;
    // A button not yet numbered has no slot to compare with, so nothing goes out for it.
    if (slot < 1) continue;
    const MacroArea area = buildMacroImage(button.Macro, slot);
    MacroImage kept{};
    std::copy_n(area.begin(), kept.size(), kept.begin());
    auto& last = lastSent[slot - 1];
    if (send && last != kept) {
      const UploadOutcome chunks = sendMacroChunks(link, area, slot);
      outcome.sent |= chunks.sent;
      outcome.refused |= chunks.refused;
      if (!chunks.refused) last = kept;
    } else {
      last = kept;
    }
    if (send) link.pace(kReportPacingMs);
  }
  return outcome;
}

}  // namespace pelorin
