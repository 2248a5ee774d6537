// The topmost band of the desktop's stacking order, for top-level windows.
#pragma once

#include <windows.h>

namespace velmora {

bool IsTopmost(HWND window);
// Puts a window into or out of the topmost band without moving, sizing or
// activating it.
void SetTopmost(HWND window, bool topmost);

}  // namespace velmora
