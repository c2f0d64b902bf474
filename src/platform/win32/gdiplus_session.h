#pragma once
// GDI+ is started once for the process before any picture is decoded and shut down after the
// last one is gone.
#include <cstdint>

namespace pelorin {

class GdiplusSession {
 public:
  GdiplusSession();
  ~GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  bool started() const { return token_ != 0; }

 private:
  std::uintptr_t token_ = 0;
};

}  // namespace pelorin
