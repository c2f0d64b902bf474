#include "app/control_groups.h"

#include <initializer_list>

namespace pelorin {
namespace {

using G = ControlGroup;

struct ClosingStep {
  G ifOpen;
  std::initializer_list<G> closes;
};

// The first step whose group is open decides what closes; with none open nothing closes.
void closeByFirstOpen(OpenGroups& open, std::initializer_list<ClosingStep> steps) {
  for (const ClosingStep& step : steps) {
    if (!open.isOpen(step.ifOpen)) continue;
    for (G group : step.closes) open.set(group, false);
    return;
  }
}

void applyOpeningRule(OpenGroups& open, G opened) {
  switch (opened) {
    case G::Dpi:
    case G::Lighting: {
      const G other = opened == G::Dpi ? G::Lighting : G::Dpi;
      closeByFirstOpen(open, {{other, {G::Polling, G::LiftOff, G::Debounce, G::Pointer}},
                              {G::Polling, {G::LiftOff, G::Debounce, G::Pointer}},
                              {G::LiftOff, {G::Debounce, G::Pointer}}});
      return;
    }
    case G::Polling:
      closeByFirstOpen(open, {{G::Dpi, {G::Lighting, G::LiftOff, G::Debounce, G::Pointer}},
                              {G::Lighting, {G::LiftOff, G::Debounce, G::Pointer}},
                              {G::LiftOff, {G::Debounce, G::Pointer}}});
      return;
    case G::Debounce:
      closeByFirstOpen(open, {{G::Dpi, {G::Lighting, G::Polling, G::LiftOff, G::Pointer}},
                              {G::Lighting, {G::Polling, G::LiftOff, G::Pointer}},
                              {G::Polling, {G::LiftOff, G::Pointer}}});
      return;
    case G::LiftOff:
      closeByFirstOpen(open, {{G::Dpi, {G::Lighting, G::Polling, G::Debounce, G::Pointer}},
                              {G::Lighting, {G::Polling, G::Debounce, G::Pointer}},
                              {G::Polling, {G::Pointer, G::Debounce}}});
      return;
    case G::Pointer:
      closeByFirstOpen(open, {{G::Dpi, {G::Lighting, G::LiftOff, G::Debounce, G::Polling}},
                              {G::Lighting, {G::Polling, G::LiftOff, G::Debounce}},
                              {G::Polling, {G::LiftOff, G::Debounce}}});
      return;
  }
}

constexpr int kColumnLeft = 846;
constexpr int kColumnWidth = 262;
constexpr int kHeaderHeight = 25;

// How far an open group pushes the headers below it down: its frame's height.
constexpr std::array<int, kControlGroupCount> kFrameHeight = {196, 180, 180, 85, 85, 110};

int extent(const OpenGroups& open, std::initializer_list<G> above) {
  int total = 0;
  for (G group : above) {
    if (open.isOpen(group)) total += kFrameHeight[std::size_t(group)];
  }
  return total;
}

}  // namespace

OpenGroups toggleGroup(OpenGroups open, ControlGroup clicked) {
  const bool nowOpen = !open.isOpen(clicked);
  open.set(clicked, nowOpen);
  if (nowOpen) applyOpeningRule(open, clicked);
  return open;
}

GroupLayout layoutGroups(const OpenGroups& open, bool liftOffShown) {
  std::array<int, kControlGroupCount> top{};
  top[std::size_t(G::Dpi)] = 37;
  top[std::size_t(G::Lighting)] = 67 + extent(open, {G::Dpi});
  top[std::size_t(G::Polling)] = 97 + extent(open, {G::Dpi, G::Lighting});
  top[std::size_t(G::LiftOff)] = 127 + extent(open, {G::Dpi, G::Lighting, G::Polling});
  top[std::size_t(G::Pointer)] =
      (liftOffShown ? 157 : 127) +
      extent(open, {G::Dpi, G::Lighting, G::Polling, G::LiftOff, G::Debounce});

  GroupLayout layout;
  for (std::size_t g = 0; g < kControlGroupCount; ++g) {
    if (g == std::size_t(G::Debounce)) continue;  // hidden header; its controls stay put
    layout.header[g] = Rect::ofSize(kColumnLeft, top[g], kColumnWidth, kHeaderHeight);
    if (open.isOpen(G(g))) {
      layout.frame[g] =
          Rect::ofSize(kColumnLeft, top[g] + kHeaderHeight, kColumnWidth, kFrameHeight[g]);
    }
  }
  return layout;
}

}  // namespace pelorin
