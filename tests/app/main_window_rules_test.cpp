// The window-free rules of the main window: scale factor, group opening, column layout, slot list.
#include <gtest/gtest.h>

#include <initializer_list>

#include "app/control_groups.h"
#include "app/scale_factor.h"
#include "app/show_list_actions.h"

namespace pelorin {
namespace {

using G = ControlGroup;

OpenGroups groups(std::initializer_list<G> open) {
  OpenGroups result;
  for (G g : open) result.set(g, true);
  return result;
}

struct ScaleCase {
  int width, height;
  double scale;
};

TEST(ScaleFactor, FollowsTheFullScreenClientSize) {
  const ScaleCase cases[] = {
      {1920, 1017, 1.0}, {2560, 1377, 1.5}, {2560, 1600, 1.5}, {3840, 2054, 2.0},
      {1366, 705, 1.0},  {2401, 1601, 2.0}, {2400, 1601, 1.5}, {2401, 1600, 1.5},
      {1800, 1400, 1.0}, {1801, 1201, 1.5}, {1801, 1200, 1.0}, {0, 0, 1.0},
  };
  for (const ScaleCase& c : cases) {
    EXPECT_EQ(uiScaleFactor(c.width, c.height), c.scale) << c.width << " x " << c.height;
  }
}

struct ToggleCase {
  OpenGroups before;
  G clicked;
  OpenGroups after;
};

TEST(ControlGroups, OpeningOneClosesByTheFirstOpenGroupAbove) {
  const ToggleCase cases[] = {
      {groups({G::Dpi, G::Lighting}), G::Debounce, groups({G::Dpi, G::Debounce})},
      {groups({G::Lighting, G::Polling, G::LiftOff, G::Pointer}), G::Dpi,
       groups({G::Dpi, G::Lighting})},
      {groups({G::Polling, G::LiftOff, G::Debounce, G::Pointer}), G::Dpi,
       groups({G::Dpi, G::Polling})},
      {groups({G::LiftOff, G::Pointer}), G::Lighting, groups({G::Lighting, G::LiftOff})},
      {groups({G::Pointer}), G::Dpi, groups({G::Dpi, G::Pointer})},
      {groups({G::Dpi, G::Lighting, G::LiftOff, G::Pointer}), G::Polling,
       groups({G::Dpi, G::Polling})},
      {groups({G::Lighting, G::LiftOff, G::Pointer}), G::Polling,
       groups({G::Lighting, G::Polling})},
      {groups({G::LiftOff, G::Pointer}), G::Polling, groups({G::Polling, G::LiftOff})},
      {groups({G::Lighting, G::Polling, G::Pointer}), G::Debounce,
       groups({G::Lighting, G::Debounce})},
      {groups({G::Polling, G::LiftOff, G::Pointer}), G::Debounce,
       groups({G::Polling, G::Debounce})},
      {groups({G::Dpi, G::Lighting, G::Polling, G::Pointer}), G::LiftOff,
       groups({G::Dpi, G::LiftOff})},
      {groups({G::Lighting, G::Polling, G::Pointer}), G::LiftOff,
       groups({G::Lighting, G::LiftOff})},
      {groups({G::Polling, G::Pointer}), G::LiftOff, groups({G::Polling, G::LiftOff})},
      {groups({G::Dpi, G::Lighting, G::Polling, G::LiftOff}), G::Pointer,
       groups({G::Dpi, G::Pointer})},
      {groups({G::Lighting, G::Polling, G::LiftOff}), G::Pointer,
       groups({G::Lighting, G::Pointer})},
      {groups({G::Polling, G::LiftOff, G::Debounce}), G::Pointer, groups({G::Polling, G::Pointer})},
      {groups({G::LiftOff}), G::Pointer, groups({G::LiftOff, G::Pointer})},
      // Closing a group never touches the others.
      {groups({G::Dpi, G::Lighting, G::Polling}), G::Lighting, groups({G::Dpi, G::Polling})},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(toggleGroup(cases[i].before, cases[i].clicked), cases[i].after) << "case " << i;
  }
}

struct LayoutCase {
  OpenGroups open;
  bool liftOffShown;
  int dpi, lighting, polling, liftOff, pointer;  // header tops
};

TEST(ControlGroups, HeadersStackBelowTheOpenFrames) {
  const LayoutCase cases[] = {
      {groups({}), true, 37, 67, 97, 127, 157},
      {groups({}), false, 37, 67, 97, 127, 127},
      {groups({G::Dpi}), true, 37, 263, 293, 323, 353},
      {groups({G::Dpi, G::Lighting}), true, 37, 263, 473, 503, 533},
      {groups({G::Lighting, G::Polling}), true, 37, 67, 277, 487, 517},
      {groups({G::LiftOff, G::Debounce}), true, 37, 67, 97, 127, 327},
      {groups({G::Polling, G::Pointer}), false, 37, 67, 97, 307, 307},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const LayoutCase& c = cases[i];
    const GroupLayout layout = layoutGroups(c.open, c.liftOffShown);
    const int tops[] = {c.dpi, c.lighting, c.polling, c.liftOff, 0, c.pointer};
    for (std::size_t g = 0; g < kControlGroupCount; ++g) {
      if (g == std::size_t(G::Debounce)) continue;
      EXPECT_EQ(layout.header[g], Rect::ofSize(846, tops[g], 262, 25)) << i << " group " << g;
    }
  }
}

TEST(ControlGroups, OpenGroupsAreFramedBelowTheirHeaders) {
  const GroupLayout layout =
      layoutGroups(groups({G::Dpi, G::Pointer, G::LiftOff, G::Debounce}), true);
  EXPECT_EQ(layout.frame[std::size_t(G::Dpi)], Rect::ofSize(846, 62, 262, 196));
  EXPECT_EQ(layout.frame[std::size_t(G::LiftOff)], Rect::ofSize(846, 348, 262, 85));
  EXPECT_EQ(layout.frame[std::size_t(G::Pointer)], Rect::ofSize(846, 548, 262, 110));
  EXPECT_TRUE(layout.frame[std::size_t(G::Lighting)].empty());
  EXPECT_TRUE(layout.frame[std::size_t(G::Debounce)].empty());
  EXPECT_TRUE(layout.header[std::size_t(G::Debounce)].empty());
}

struct HideCase {
  ShowList before;
  int profile;
  std::optional<ShowList> after;
};

TEST(ShowListActions, HidingMovesTheProfileToTheEnd) {
  const HideCase cases[] = {
      {{4, {0, 3, 1, 2, 4}}, 3, ShowList{3, {0, 1, 2, 4, 3}}},
      {{3, {0, 1, 2, 3, 4}}, 2, ShowList{2, {0, 1, 3, 4, 2}}},
      {{5, {4, 3, 2, 1, 0}}, 4, ShowList{4, {3, 2, 1, 0, 4}}},
      {{5, {0, 1, 2, 3, 4}}, 4, ShowList{4, {0, 1, 2, 3, 4}}},
      {{3, {0, 1, 2, 3, 4}}, 3, std::nullopt},  // hidden already
      {{1, {0, 1, 2, 3, 4}}, 7, std::nullopt},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(hideProfile(cases[i].before, cases[i].profile), cases[i].after) << "case " << i;
  }
}

TEST(ShowListActions, AddRevealsTheFirstHiddenProfile) {
  EXPECT_EQ(nextHiddenProfile({3, {0, 1, 2, 3, 4}}), 3);
  EXPECT_EQ(nextHiddenProfile({4, {0, 1, 2, 4, 3}}), 3);
  EXPECT_EQ(nextHiddenProfile({0, {2, 1, 0, 3, 4}}), 2);
  EXPECT_EQ(nextHiddenProfile({5, {0, 1, 2, 3, 4}}), std::nullopt);
}

}  // namespace
}  // namespace pelorin
