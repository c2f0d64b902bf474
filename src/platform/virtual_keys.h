#pragma once
// Key codes as the window system numbers them; letters and digits are their upper-case ASCII.

namespace pelorin::vk {

constexpr int kBack = 0x08;
constexpr int kTab = 0x09;
constexpr int kReturn = 0x0D;
constexpr int kShift = 0x10;
constexpr int kControl = 0x11;
constexpr int kMenu = 0x12;  // Alt
constexpr int kPause = 0x13;
constexpr int kCapital = 0x14;
constexpr int kEscape = 0x1B;
constexpr int kSpace = 0x20;
constexpr int kPrior = 0x21;
constexpr int kNext = 0x22;
constexpr int kEnd = 0x23;
constexpr int kHome = 0x24;
constexpr int kLeft = 0x25;
constexpr int kUp = 0x26;
constexpr int kRight = 0x27;
constexpr int kDown = 0x28;
constexpr int kSnapshot = 0x2C;
constexpr int kInsert = 0x2D;
constexpr int kDelete = 0x2E;
constexpr int kLWin = 0x5B;
constexpr int kRWin = 0x5C;
constexpr int kApps = 0x5D;
constexpr int kNumpad0 = 0x60;
constexpr int kMultiply = 0x6A;
constexpr int kAdd = 0x6B;
constexpr int kSubtract = 0x6D;
constexpr int kDecimal = 0x6E;
constexpr int kDivide = 0x6F;
constexpr int kF1 = 0x70;
constexpr int kNumLock = 0x90;
constexpr int kScroll = 0x91;
constexpr int kLShift = 0xA0;
constexpr int kRShift = 0xA1;
constexpr int kLControl = 0xA2;
constexpr int kRControl = 0xA3;
constexpr int kLMenu = 0xA4;
constexpr int kRMenu = 0xA5;
constexpr int kOem1 = 0xBA;       // ;:
constexpr int kOemPlus = 0xBB;    // =+
constexpr int kOemComma = 0xBC;   // ,<
constexpr int kOemMinus = 0xBD;   // -_
constexpr int kOemPeriod = 0xBE;  // .>
constexpr int kOem2 = 0xBF;       // /?
constexpr int kOem3 = 0xC0;       // `~
constexpr int kOem4 = 0xDB;       // [{
constexpr int kOem5 = 0xDC;       // \|
constexpr int kOem6 = 0xDD;       // ]}
constexpr int kOem7 = 0xDE;       // '"

}  // namespace pelorin::vk
