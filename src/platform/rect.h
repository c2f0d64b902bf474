#pragma once
// Integer geometry in window pixels: right and bottom are exclusive, as in the window system.
#include <algorithm>

namespace pelorin {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static Rect ofSize(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
  bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool contains(Point p) const { return contains(p.x, p.y); }
  bool intersects(const Rect& o) const {
    return !empty() && !o.empty() && left < o.right && o.left < right && top < o.bottom &&
           o.top < bottom;
  }
  Rect unite(const Rect& o) const {
    if (empty()) return o;
    if (o.empty()) return *this;
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
            std::max(bottom, o.bottom)};
  }
  Rect offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace pelorin
