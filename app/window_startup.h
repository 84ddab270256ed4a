#pragma once

// What starting the window's program takes that differs between platforms.
namespace zelmora {

// Whether there is a display to open the window on: Qt aborts without one.
// What found it may stay open until EndDisplayCheck, once Qt has connected.
bool HasDisplay();
void EndDisplayCheck();

// Just before the window opens: where the user's settings live, and a
// console window that only this program uses let go of.
void PrepareForWindow();

}  // namespace zelmora
