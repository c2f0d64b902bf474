#pragma once
// How a windowless control tells its dialog what happened: a message whose number is the
// control id, with one of these codes as lParam.

namespace pelorin::notify {

constexpr int kPressed = 1;
constexpr int kClicked = 2;
constexpr int kDragged = 3;
constexpr int kPointerEntered = 4;
constexpr int kPointerLeft = 5;
constexpr int kDoubleClick = 10;
constexpr int kRightClick = 11;
// An edit field's text changed by the user (typing, deleting, pasting); wParam 0.
constexpr int kTextChanged = 20;

// wParam of kPressed from a vertical scroll bar.
constexpr int kScrollThumb = 0;
constexpr int kScrollLineUp = 6;
constexpr int kScrollLineDown = 7;
constexpr int kScrollPageUp = 8;
constexpr int kScrollPageDown = 9;

}  // namespace pelorin::notify
