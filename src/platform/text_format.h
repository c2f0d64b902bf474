#pragma once
// Text layout flags. The values are the window system's, because callers hand alignment words
// through unchanged from their control tables.

namespace pelorin::text {

constexpr unsigned kLeft = 0x0;
constexpr unsigned kCenter = 0x1;
constexpr unsigned kRight = 0x2;
constexpr unsigned kVCenter = 0x4;
constexpr unsigned kWordBreak = 0x10;
constexpr unsigned kSingleLine = 0x20;
constexpr unsigned kEndEllipsis = 0x8000;
constexpr unsigned kWordEllipsis = 0x40000;

}  // namespace pelorin::text
