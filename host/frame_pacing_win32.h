// frame_pacing_win32.h -- the Win32 side of frame pacing, used by the OpenGL window's paint
#pragma once

#include <windows.h>

// Once the rendering context is current on this device context: the display's
// refresh, and a swap interval of 1 where the driver names WGL_EXT_swap_control.
void StartFramePacing(HDC deviceContext);
// At the start of a paint. True: draw the frame now. False: the function waited
// until the frame time or the first input, whichever came first, and the paint
// must return without drawing; the window stays invalid, so the paint comes
// again once the input that ended the wait has been handled.
bool FrameDue();
// When the OpenGL window goes: gives back the 1 ms system timer.
void StopFramePacing();
