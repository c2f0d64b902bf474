#include "skin/radio_options.h"

#include <array>

namespace pelorin {

namespace {

struct RadioBit {
  int id;
  std::uint32_t groupMask;
  std::uint32_t bit;
};

constexpr std::array kRadioBits{
    RadioBit{2006, 0x7F, 0x01},
    RadioBit{2080, 0x7F, 0x02},
    RadioBit{2081, 0x7F, 0x04},
    RadioBit{2082, 0x7F, 0x08},
    RadioBit{2083, 0x7F, 0x10},
    RadioBit{2084, 0x7F, 0x20},
    RadioBit{2085, 0x7F, 0x40},
    // Scrolling by lines or by pages.
    RadioBit{2009, 0x180, 0x80},
    RadioBit{2010, 0x180, 0x100},
    RadioBit{3501, 0x600, 0x200},
    RadioBit{3502, 0x600, 0x400},
    // Lighting direction up, down.
    RadioBit{3240, 0x1800, 0x800},
    RadioBit{3250, 0x1800, 0x1000},
    // Macro loop mode.
    RadioBit{2031, 0xE000, 0x2000},
    RadioBit{2032, 0xE000, 0x4000},
    RadioBit{2033, 0xE000, 0x8000},
    // Polling rate buttons 125, 250, 500, 1000 Hz.
    RadioBit{3030, 0xF0000, 0x10000},
    RadioBit{3031, 0xF0000, 0x20000},
    RadioBit{3032, 0xF0000, 0x40000},
    RadioBit{3033, 0xF0000, 0x80000},
    // Lift-off height 1, 2.
    RadioBit{3510, 0x300000, 0x100000},
    RadioBit{3511, 0x300000, 0x200000},
};

const RadioBit* find(int id) {
  for (const RadioBit& entry : kRadioBits) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

}  // namespace

void RadioOptions::choose(int id) {
  if (const RadioBit* entry = find(id)) word_ = (word_ & ~entry->groupMask) | entry->bit;
}

bool RadioOptions::marked(int id) const {
  const RadioBit* entry = find(id);
  return entry != nullptr && (word_ & entry->bit) != 0;
}

}  // namespace pelorin
