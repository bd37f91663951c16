// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The modern number is the text of Sovr: ASCII digits, possibly with leading zeros. These
// helpers convert it the way every routine of the window does.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zarno {

constexpr bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// True when the text is one or more ASCII digits.
bool IsDigitString(std::u16string_view text);

// Value of a digit string if it fits a signed 32-bit (64-bit) integer; nullopt for an empty
// text, a non-digit or a value that does not fit.
std::optional<std::int64_t> ParseInt32(std::u16string_view text);
std::optional<std::int64_t> ParseInt64(std::u16string_view text);

// Decimal text of a value (with "-" when negative).
std::u16string ToDecimal(std::int64_t value);

// Sum of two non-negative decimal digit strings, without leading zeros ("0" for zero);
// exact for any length.
std::u16string AddDecimal(std::u16string_view a, std::u16string_view b);

// UTF-8 <-> UTF-16 for the command line and the settings file. Invalid input is replaced
// by U+FFFD.
std::u16string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::u16string_view utf16);
// Appends the UTF-8 form of the text to `out`.
void AppendUtf8(std::string& out, std::u16string_view utf16);
// No UTF-16 code unit takes more than three bytes of UTF-8 (a pair of surrogates takes four).
inline constexpr std::size_t kUtf8PerUnit = 3;
// Writes `utf16` as UTF-8 at `out` (room for kUtf8PerUnit bytes a unit) and gives the end; a
// lone surrogate becomes U+FFFD.
char* WriteUtf8(std::u16string_view utf16, char* out);

}  // namespace zarno
