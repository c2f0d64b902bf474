#include "platform/win32/win32_clipboard.h"

#include <windows.h>

#include <cstring>

namespace pelorin {

void Win32Clipboard::setText(std::u16string_view text) {
  if (::OpenClipboard(nullptr) == FALSE) return;
  ::EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
  if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes); memory != nullptr) {
    auto* target = static_cast<char16_t*>(::GlobalLock(memory));
    std::memcpy(target, text.data(), text.size() * sizeof(char16_t));
    target[text.size()] = u'\0';
    ::GlobalUnlock(memory);
    // The clipboard owns the memory once it took it.
    if (::SetClipboardData(CF_UNICODETEXT, memory) == nullptr) ::GlobalFree(memory);
  }
  ::CloseClipboard();
}

std::optional<std::u16string> Win32Clipboard::text() {
  if (::OpenClipboard(nullptr) == FALSE) return std::nullopt;
  std::optional<std::u16string> result;
  if (HANDLE memory = ::GetClipboardData(CF_UNICODETEXT); memory != nullptr) {
    if (const auto* source = static_cast<const char16_t*>(::GlobalLock(memory))) {
      result = std::u16string(source);
      ::GlobalUnlock(memory);
    }
  }
  ::CloseClipboard();
  return result;
}

}  // namespace pelorin
