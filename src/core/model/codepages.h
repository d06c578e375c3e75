#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Fixed code-page tables, so that output is the same on every system.

// The DOS (OEM) code page 437; bytes below 0x80 are ASCII.
char32_t Cp437ToUnicode(std::uint8_t byte);
// Windows-1252; its five unassigned bytes map to the C1 controls of the same
// number, as Windows does.
char32_t Windows1252ToUnicode(std::uint8_t byte);
// Encodes text in Windows-1252, '?' for every character it lacks.
std::string EncodeWindows1252(std::u32string_view text);

std::u32string Utf8ToUtf32(std::string_view utf8);
std::string Utf32ToUtf8(std::u32string_view text);
