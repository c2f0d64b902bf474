#pragma once
// The option word: one 32-bit set of radio-group bits shared by every radio button of the
// program (polling rate, lift-off height, scrolling mode, lighting direction, loop mode). The
// application owns the one instance and hands it to each radio button and page.
#include <cstdint>

namespace pelorin {

class RadioOptions {
 public:
  // Clears the button's group and sets its bit; an id outside every group changes nothing.
  void choose(int id);
  // True when the button's own bit is set; never for an id outside every group.
  bool marked(int id) const;
  // Owners show a stored choice or clear a group directly.
  void set(std::uint32_t bits) { word_ |= bits; }
  void clear(std::uint32_t bits) { word_ &= ~bits; }
  bool holds(std::uint32_t bits) const { return (word_ & bits) == bits; }
  std::uint32_t word() const { return word_; }

 private:
  std::uint32_t word_ = 0;
};

}  // namespace pelorin
