#include "platform/linux/keysym_to_vk.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/virtual_keys.h"

namespace pelorin {

namespace {

// Key symbol values are fixed by the X protocol.
constexpr std::array<std::pair<std::uint32_t, int>, 58> kTable{{
    {0xFF08, vk::kBack},     {0xFF09, vk::kTab},      {0xFE20, vk::kTab},
    {0xFF0D, vk::kReturn},   {0xFF8D, vk::kReturn},   {0xFF13, vk::kPause},
    {0xFF14, vk::kScroll},   {0xFF1B, vk::kEscape},   {0xFF50, vk::kHome},
    {0xFF51, vk::kLeft},     {0xFF52, vk::kUp},       {0xFF53, vk::kRight},
    {0xFF54, vk::kDown},     {0xFF55, vk::kPrior},    {0xFF56, vk::kNext},
    {0xFF57, vk::kEnd},      {0xFF61, vk::kSnapshot}, {0xFF63, vk::kInsert},
    {0xFF67, vk::kApps},     {0xFF7F, vk::kNumLock},  {0xFFAA, vk::kMultiply},
    {0xFFAB, vk::kAdd},      {0xFFAD, vk::kSubtract}, {0xFFAE, vk::kDecimal},
    {0xFFAF, vk::kDivide},   {0xFFE1, vk::kLShift},   {0xFFE2, vk::kRShift},
    {0xFFE3, vk::kLControl}, {0xFFE4, vk::kRControl}, {0xFFE5, vk::kCapital},
    {0xFFE9, vk::kLMenu},    {0xFFEA, vk::kRMenu},    {0xFFEB, vk::kLWin},
    {0xFFEC, vk::kRWin},     {0xFFFF, vk::kDelete},   {0xFF95, vk::kHome},
    {0xFF96, vk::kLeft},     {0xFF97, vk::kUp},       {0xFF98, vk::kRight},
    {0xFF99, vk::kDown},     {0xFF9A, vk::kPrior},    {0xFF9B, vk::kNext},
    {0xFF9C, vk::kEnd},      {0xFF9E, vk::kInsert},   {0xFF9F, vk::kDelete},
    {0x0020, vk::kSpace},    {0x003B, vk::kOem1},     {0x003D, vk::kOemPlus},
    {0x002C, vk::kOemComma}, {0x002D, vk::kOemMinus}, {0x002E, vk::kOemPeriod},
    {0x002F, vk::kOem2},     {0x0060, vk::kOem3},     {0x005B, vk::kOem4},
    {0x005C, vk::kOem5},     {0x005D, vk::kOem6},     {0x0027, vk::kOem7},
    {0xFF80, vk::kSpace},
}};

}  // namespace

int keysymToVirtualKey(std::uint32_t keysym) {
  if (keysym >= 'a' && keysym <= 'z') return static_cast<int>(keysym - 'a' + 'A');
  if (keysym >= 'A' && keysym <= 'Z') return static_cast<int>(keysym);
  if (keysym >= '0' && keysym <= '9') return static_cast<int>(keysym);
  if (keysym >= 0xFFB0 && keysym <= 0xFFB9) return vk::kNumpad0 + static_cast<int>(keysym - 0xFFB0);
  if (keysym >= 0xFFBE && keysym <= 0xFFD5) return vk::kF1 + static_cast<int>(keysym - 0xFFBE);
  const auto it = std::find_if(kTable.begin(), kTable.end(),
                               [keysym](const auto& entry) { return entry.first == keysym; });
  return it == kTable.end() ? 0 : it->second;
}

}  // namespace pelorin
