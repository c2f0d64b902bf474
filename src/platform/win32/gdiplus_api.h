#pragma once
// GDI+'s C++ classes. They need COM's stream types, which WIN32_LEAN_AND_MEAN leaves out.
#include <windows.h>
// After windows.h: these use its types.
#include <objidl.h>
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>
