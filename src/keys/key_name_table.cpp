#include "keys/key_name_table.h"

#include <array>
#include <string>
#include <utility>

namespace pelorin {
namespace {

using Table = std::array<std::u16string_view, 256>;

constexpr auto kNamed = std::to_array<std::pair<int, std::u16string_view>>({
    {0x01, u"LBUTTON"},
    {0x02, u"RBUTTON"},
    {0x03, u"CANCEL"},
    {0x04, u"MBUTTON"},
    {0x05, u"XBUTTON1"},
    {0x06, u"XBUTTON2"},
    {0x08, u"Backspace"},
    {0x09, u"Tab"},
    {0x0C, u"Clear"},
    {0x0D, u"Enter"},
    {0x10, u"Shift"},
    {0x11, u"Ctrl"},
    {0x12, u"Alt"},
    {0x13, u"Pause"},
    {0x14, u"CapsLock"},
    {0x15, u"Kana"},
    {0x17, u"junja"},
    {0x18, u"Final"},
    {0x19, u"Hanja"},
    {0x1B, u"Esc"},
    {0x1C, u"Convert"},
    {0x1D, u"Nonconvert"},
    {0x1E, u"Accept"},
    {0x1F, u"ModeChange"},
    {0x20, u"Space"},
    {0x21, u"Page Up"},
    {0x22, u"Page Down"},
    {0x23, u"End"},
    {0x24, u"Home"},
    {0x25, u"Left Arrow"},
    {0x26, u"Up Arrow"},
    {0x27, u"Right Arrow"},
    {0x28, u"Down Arrow"},
    {0x29, u"Select"},
    {0x2A, u"Print"},
    {0x2B, u"Execute"},
    {0x2C, u"Print Screen"},
    {0x2D, u"Ins"},
    {0x2E, u"Del"},
    {0x2F, u"Help"},
    {0x5B, u"Win_L"},
    {0x5C, u"Win_R"},
    {0x5D, u"App"},
    {0x5F, u"Sleep"},
    {0x6A, u"Multiply"},
    {0x6B, u"Add"},
    {0x6C, u"Separator"},
    {0x6D, u"Subtract"},
    {0x6E, u"Decimal"},
    {0x6F, u"Divide"},
    {0x90, u"Num Lock"},
    {0x91, u"Scroll Lock"},
    {0xA0, u"Shift_L"},
    {0xA1, u"Shift_R"},
    {0xA2, u"Ctrl_L"},
    {0xA3, u"Ctrl_R"},
    {0xA4, u"Alt_L"},
    {0xA5, u"Alt_R"},
    {0xBA, u";"},
    {0xBB, u"="},
    {0xBC, u","},
    {0xBD, u"-"},
    {0xBE, u"."},
    {0xBF, u"/"},
    {0xC0, u"~"},
    {0xDB, u"["},
    {0xDC, u"\\"},
    {0xDD, u"]"},
    {0xDE, u"'"},
    {0xE0, u"L Key"},
    {0xE1, u"R Key"},
    {0xE2, u"M Key"},
    {0xE3, u"K4"},
    {0xE4, u"K5"},
    {0xE5, u"Mouse X"},
    {0xE6, u"Mouse Y"},
    {0xE7, u"Mouse Wheel"},
});

// Names that follow their key order: digits, letters, numeric pad and function keys.
constexpr std::u16string_view kDigits = u"0123456789";
constexpr std::u16string_view kLetters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::array<std::u16string_view, 10> kPadNames{
    u"Num0", u"Num1", u"Num2", u"Num3", u"Num4", u"Num5", u"Num6", u"Num7", u"Num8", u"Num9"};
constexpr std::array<std::u16string_view, 24> kFunctionNames{
    u"F1",  u"F2",  u"F3",  u"F4",  u"F5",  u"F6",  u"F7",  u"F8",  u"F9",  u"F10", u"F11", u"F12",
    u"F13", u"F14", u"F15", u"F16", u"F17", u"F18", u"F19", u"F20", u"F21", u"F22", u"F23", u"F24"};

constexpr Table buildTable() {
  Table table{};
  table.fill(u"Undefined");
  for (std::size_t i = 0; i < kDigits.size(); ++i) table[0x30 + i] = kDigits.substr(i, 1);
  for (std::size_t i = 0; i < kLetters.size(); ++i) table[0x41 + i] = kLetters.substr(i, 1);
  for (std::size_t i = 0; i < kPadNames.size(); ++i) table[0x60 + i] = kPadNames[i];
  for (std::size_t i = 0; i < kFunctionNames.size(); ++i) table[0x70 + i] = kFunctionNames[i];
  for (const auto& [key, name] : kNamed) table[static_cast<std::size_t>(key)] = name;
  return table;
}

constexpr Table kTable = buildTable();

}  // namespace

std::u16string_view KeyNameTable::name(int virtualKey) {
  return virtualKey >= 0 && virtualKey < 256 ? kTable[static_cast<std::size_t>(virtualKey)]
                                             : kTable[0];
}

}  // namespace pelorin
