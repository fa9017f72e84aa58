// saver_host_win32.cpp -- entry point and screen-saver modes
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
