// frame_pacing_win32.cpp -- frames paced to the display: a swap interval of 1 where the driver offers
// one, otherwise a wait for the next frame time that any input ends at once
#include <windows.h>
#include <mmsystem.h>

#include "common/extension_list.h"
#include "common/gl.h"
#include "host/frame_pacing.h"
#include "host/frame_pacing_win32.h"

typedef const char *(WINAPI *GetExtensionsStringARBFunction)(HDC);
typedef const char *(WINAPI *GetExtensionsStringEXTFunction)();
typedef BOOL(WINAPI *SwapIntervalEXTFunction)(int);

// The CPU benchmark's comparison build (CMake option KVRN_FRAME_PACING=OFF) draws flat out.
#ifdef KVRN_FLAT_OUT_FRAMES
static const bool PACE_FRAMES = false;
#else
static const bool PACE_FRAMES = true;
#endif

// Set while the system timer runs at 1 ms for the waits; reset when pacing stops.
static bool timerPeriodRaised;

static double PacingSeconds() {
    LARGE_INTEGER frequency, counter;
    if (QueryPerformanceFrequency(&frequency) && frequency.QuadPart != 0 && QueryPerformanceCounter(&counter))
        return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
    return timeGetTime() * 0.001;
}

template <typename Function>
static Function GlFunction(const char *name) {
    return reinterpret_cast<Function>(reinterpret_cast<void *>(wglGetProcAddress(name)));
}

// The WGL extension list: from the ARB or EXT query, or, on older drivers, among the GL extensions.
static const char *WglExtensions(HDC deviceContext) {
    if (const auto arb = GlFunction<GetExtensionsStringARBFunction>("wglGetExtensionsStringARB"))
        if (const char *list = arb(deviceContext)) return list;
    if (const auto ext = GlFunction<GetExtensionsStringEXTFunction>("wglGetExtensionsStringEXT"))
        if (const char *list = ext()) return list;
    return reinterpret_cast<const char *>(glGetString(GL_EXTENSIONS));
}

void StartFramePacing(HDC deviceContext) {
    bool swapIntervalSet = false;
    if (ExtensionListed(WglExtensions(deviceContext), "WGL_EXT_swap_control")) {
        const auto swapInterval = GlFunction<SwapIntervalEXTFunction>("wglSwapIntervalEXT");
        swapIntervalSet = swapInterval && swapInterval(1);
    }
    StartPacing(framePacer, RefreshPeriod(GetDeviceCaps(deviceContext, VREFRESH)), swapIntervalSet, PacingSeconds());
}

bool FrameDue() {
    if (!PACE_FRAMES) return true;
    const double time = PacingSeconds();
    const unsigned int milliseconds = MillisecondsBeforeFrame(framePacer, time);
    if (milliseconds == 0) {
        FrameStarts(framePacer, time);
        return true;
    }
    // Waits of a few milliseconds need the 1 ms system timer to end on time.
    if (!timerPeriodRaised) timerPeriodRaised = timeBeginPeriod(1) == TIMERR_NOERROR;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
    return false;
}

void StopFramePacing() {
    if (timerPeriodRaised) timeEndPeriod(1);
    timerPeriodRaised = false;
}
