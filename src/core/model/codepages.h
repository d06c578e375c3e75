#pragma once

#include <cstdint>
#include <optional>
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

// How the font's byte codes map to code points in the formats that speak
// Unicode (BDF, u8g2, LVGL): ISO 8859-1 (code = code point), Windows-1252 or
// the DOS page 437.
enum class CodePage { Latin1, Windows1252, Cp437 };

// The code point of a code; none where the page has no character for it.
std::optional<char32_t> CodePointOf(CodePage page, std::uint8_t code);
// The code of a code point; none where the page has no such character.
std::optional<std::uint8_t> CodeOf(CodePage page, char32_t codePoint);

// The stable names the converter and the settings use: "latin1", "cp1252",
// "cp437".
std::string_view CodePageName(CodePage page);
std::optional<CodePage> FindCodePage(std::string_view name);
