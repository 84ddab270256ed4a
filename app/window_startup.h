#pragma once

// What starting the window's program takes that differs between platforms.
namespace zelmora {

// Whether there is a display to open the window on: Qt aborts without one.
bool HasDisplay();

// Just before the window opens: where the user's settings live, and a
// console window that only this program uses let go of.
void PrepareForWindow();

}  // namespace zelmora
