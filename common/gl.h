// gl.h -- OpenGL 1.1 header for every build (Windows needs its own header first)
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif
#include <GL/gl.h>

// OpenGL 1.2 (and the EXT and SGIS edge-clamp extensions, same value); the
// Windows header stops at 1.1.
#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif
