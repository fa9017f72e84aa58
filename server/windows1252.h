// windows1252.h -- names as the saver sends them (the Windows ANSI code page 1252) turned into UTF-8
#pragma once

#include <cstdint>
#include <string>

// The Unicode code point of one Windows-1252 byte. The five bytes the code page
// leaves unassigned map to the C1 control of the same value, as Windows does.
uint32_t Windows1252CodePoint(unsigned char byte);

// True for C0 and C1 controls and DEL, which a name may not hold.
bool IsControlCodePoint(uint32_t codePoint);

std::string Windows1252ToUtf8(const std::string &bytes);
