#include "platform/win32/system_error.h"

#include "common/utf.h"

namespace pelorin {

std::string systemMessage(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::u16string message(reinterpret_cast<const char16_t*>(text), text != nullptr ? length : 0);
  ::LocalFree(text);
  while (!message.empty() && (message.back() == u'\n' || message.back() == u'\r' ||
                              message.back() == u' ' || message.back() == u'.')) {
    message.pop_back();
  }
  return message.empty() ? "system error " + std::to_string(code) : toUtf8(message);
}

}  // namespace pelorin
