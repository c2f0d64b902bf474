#include "platform/win32/gdiplus_session.h"

#include "platform/win32/gdiplus_api.h"

namespace pelorin {

GdiplusSession::GdiplusSession() {
  ULONG_PTR token = 0;
  const Gdiplus::GdiplusStartupInput input;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) token_ = token;
}

GdiplusSession::~GdiplusSession() {
  if (token_ != 0) Gdiplus::GdiplusShutdown(token_);
}

}  // namespace pelorin
