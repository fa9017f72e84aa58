// saver_window_win32.cpp -- GameSaverProc, CreateGlWindow with its pixel format and palette, and teardown
#include <windows.h>

#include <cstdlib>

#include "common/message_box.h"
#include "host/frame_pacing_win32.h"
#include "host/game_calls.h"
#include "host/palette.h"
#include "host/saver_host.h"
#include "host/saver_windows_win32.h"

GameWindows gameWindows;

static const char GL_CLASS_NAME[] = "OpenGL Window";
static const char CREATE_CAPTION[] = "Error Creating Window";

// The system clock rather than the runtime's: the C runtime of the 95 family
// and NT 4 has no 64-bit time call, and a missing import stops the program loading.
int GetTimeOfDay(TimeOfDay *time, void *) {
    static const ULONGLONG FILE_TIME_AT_1970 = 116444736000000000ULL;  // 100 ns steps since 1601
    static const ULONGLONG STEPS_PER_SECOND = 10000000ULL, STEPS_PER_MILLISECOND = 10000ULL;
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG steps = ((static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime) - FILE_TIME_AT_1970;
    time->seconds = static_cast<long>(steps / STEPS_PER_SECOND);
    time->microseconds = static_cast<long>(steps % STEPS_PER_SECOND / STEPS_PER_MILLISECOND) * 1000;
    return 0;
}

static HWND CreateFailure(const char *text) {
    ShowErrorMessage(text, CREATE_CAPTION);
    return nullptr;
}

static void CreatePaletteFor(const PIXELFORMATDESCRIPTOR &described) {
    const PixelFormatColours format = {
        (described.dwFlags & PFD_NEED_PALETTE) != 0, described.iPixelType == PFD_TYPE_COLORINDEX,
        described.cColorBits, described.cRedBits, described.cRedShift, described.cGreenBits,
        described.cGreenShift, described.cBlueBits, described.cBlueShift};
    if (!FormatNeedsPalette(format)) return;
    const int count = PaletteEntryCount(format.colourBits);
    LOGPALETTE *logical = static_cast<LOGPALETTE *>(
        std::calloc(1, sizeof(LOGPALETTE) + static_cast<size_t>(count) * sizeof(PALETTEENTRY)));
    if (!logical) return;
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<WORD>(count);
    GetSystemPaletteEntries(gameWindows.glDeviceContext, 0, static_cast<UINT>(count), logical->palPalEntry);
    PaletteColour colours[PALETTE_MAX_ENTRIES];
    for (int i = 0; i < count; ++i) {
        const PALETTEENTRY &entry = logical->palPalEntry[i];
        colours[i] = PaletteColour{entry.peRed, entry.peGreen, entry.peBlue, entry.peFlags};
    }
    ComputePalette(format, colours, count);
    for (int i = 0; i < count; ++i)
        logical->palPalEntry[i] = PALETTEENTRY{colours[i].red, colours[i].green, colours[i].blue, colours[i].flags};
    gameWindows.glPalette = CreatePalette(logical);
    if (gameWindows.glPalette) {
        SelectPalette(gameWindows.glDeviceContext, gameWindows.glPalette, FALSE);
        RealizePalette(gameWindows.glDeviceContext);
    }
    std::free(logical);
}

HWND CreateGlWindow(int x, int y, int width, int height, HWND parent) {
    gameWindows.appInstance = GetModuleHandleA(nullptr);
    WNDCLASSA glClass = {};
    glClass.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    glClass.lpfnWndProc = GlWindowProc;
    glClass.hInstance = gameWindows.appInstance;
    glClass.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32517));    // IDI_WINLOGO
    glClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    glClass.lpszClassName = GL_CLASS_NAME;
    if (!RegisterClassA(&glClass)) return CreateFailure("Sorry dude. Can't register the window class.");

    const HWND window = CreateWindowExA(0, GL_CLASS_NAME, "Kelvaron", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                        x, y, width, height, parent, nullptr, gameWindows.appInstance, nullptr);
    if (!window) return CreateFailure("Sorry dude. Can't create the window.");
    gameWindows.glDeviceContext = GetDC(window);
    if (!gameWindows.glDeviceContext) return CreateFailure("Sorry dude. Can't get the DC.");

    PIXELFORMATDESCRIPTOR request = {};
    request.nSize = sizeof request;
    request.nVersion = 1;
    request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    request.iPixelType = PFD_TYPE_RGBA;
    request.cColorBits = 16;
    request.cDepthBits = 16;
    request.iLayerType = PFD_MAIN_PLANE;
    const int format = ChoosePixelFormat(gameWindows.glDeviceContext, &request);
    if (format == 0) return CreateFailure("Sorry dude. Can't get a pixel format.");
    if (!SetPixelFormat(gameWindows.glDeviceContext, format, &request))
        return CreateFailure("Sorry dude. Can't set the pixel format.");
    DescribePixelFormat(gameWindows.glDeviceContext, format, sizeof request, &request);
    CreatePaletteFor(request);

    gameWindows.renderingContext = wglCreateContext(gameWindows.glDeviceContext);
    if (!gameWindows.renderingContext) return CreateFailure("Sorry dude. Can't get a rendering context.");
    if (!wglMakeCurrent(gameWindows.glDeviceContext, gameWindows.renderingContext))
        return CreateFailure("Sorry dude. Can't activate the RC.");
    return window;
}

static void CreateGame(HWND window) {
    gameWindows.saverWindow = window;
    RECT local = {};
    GetClientRect(window, &local);
    gameWindows.glWindow = CreateGlWindow(0, 0, local.right, local.bottom, gameWindows.saverWindow);
    if (!gameWindows.glWindow) std::exit(EXIT_NO_GL_WINDOW);
    RECT client = {};
    GetClientRect(window, &client);
    TimeOfDay wallClock = {};
    GetTimeOfDay(&wallClock, nullptr);
    // GameStartup keeps the client rectangle, loads the settings, seeds the
    // generator, sets the GL state with the scene, the projection and the clock.
    GameStartup(client.right, client.bottom, static_cast<unsigned int>(wallClock.seconds));
    StartFramePacing(gameWindows.glDeviceContext);
    gameWindows.gameReady = true;
}

static void DestroyGame() {
    gameWindows.gameReady = false;
    StopFramePacing();
    GameShutdown();
    wglMakeCurrent(nullptr, nullptr);
    ReleaseDC(gameWindows.glWindow, gameWindows.glDeviceContext);
    wglDeleteContext(gameWindows.renderingContext);
    if (gameWindows.glPalette) DeleteObject(gameWindows.glPalette);
    gameWindows.glPalette = nullptr;
    DestroyWindow(gameWindows.glWindow);
    PostQuitMessage(0);
}

LRESULT CALLBACK GameSaverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateGame(window);
        return 0;
    case WM_DESTROY:
        DestroyGame();
        return 0;
    case WM_KEYDOWN:
        KeyGoesDown(static_cast<unsigned int>(wParam));
        return 0;
    case WM_KEYUP:
        KeyGoesUp(static_cast<unsigned int>(wParam));
        return 0;
    case WM_KILLFOCUS:
        ReleaseAllKeys();
        [[fallthrough]];
    default:
        return DefaultSaverProc(window, message, wParam, lParam);
    }
}
