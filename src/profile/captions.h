#pragma once
// Captions and codes of the assignments that dialogs compose. A caption is decided when the
// function is assigned and stored with it; it is never derived back from the code bytes.
#include <cstdint>
#include <optional>
#include <string_view>

#include "lang/language_table.h"
#include "profile/selection_record.h"

namespace pelorin {

struct ShortcutBoxes {
  bool modifiersOff = false;  // the dialog's first check box
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  bool win = false;
};

// Modifier keys are never taken as the captured key, so the previous capture stays.
constexpr int kNoKey = 0;
int captureShortcutKey(int capturedKey, int pressedKey);
// Without a captured key the caption is the modifiers alone and the usage 0.
SelectionRecord shortcutSelection(const ShortcutBoxes& boxes, int capturedKey);

// Lock steps 1..11 stand for 200..1200 DPI.
SelectionRecord dpiLockSelection(int lockStep, const LanguageTable& texts);

// The first number is accepted only above 4; otherwise the dialog warns and stays open.
constexpr int kFireKeyMinimum = 5;
constexpr int kFireKeyRefusedText = 174;
std::optional<SelectionRecord> fireKeySelection(int firstNumber, int secondNumber,
                                                const LanguageTable& texts);

// A macro button's code stays 90 00 00 until the upload numbers the macro slots.
SelectionRecord macroSelection(std::u16string_view macroName, const LanguageTable& texts);
SelectionRecord noMacroSelection(const LanguageTable& texts);

// A program launch shows the program's file name; the caller keeps the full path with the slot.
SelectionRecord programLaunchSelection(std::u16string_view path);

}  // namespace pelorin
