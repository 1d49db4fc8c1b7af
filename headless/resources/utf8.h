// UTF-8 checks and encoding for the text of string literals, and text as
// messages quote it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace headless::resources {

// Length of the well-formed UTF-8 sequence that `bytes` starts with; 0 when it
// is malformed (stray continuation byte, overlong form, surrogate, beyond
// U+10FFFF or cut short).
std::size_t Utf8SequenceLength(std::string_view bytes);

// Whether the whole of `bytes` is well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

// `text` as a message quotes it, between single quotes: control characters
// and bytes that are no UTF-8 written as escapes (\n, \t, \r, \xNN), so
// that no raw byte reaches a terminal, and anything beyond the first
// kQuotedLength characters cut and marked with "...".
inline constexpr std::size_t kQuotedLength = 64;
std::string Quote(std::string_view text);
// The same without the quotes.
std::string Excerpt(std::string_view text);
// A path as messages give it, without quotes: escaped as above, and of a
// path longer than kQuotedPathLength characters only the last ones after
// "...", so that the file's name stays whole.
inline constexpr std::size_t kQuotedPathLength = 128;
std::string PathExcerpt(std::string_view path);

// Appends the UTF-8 encoding of `code` (not a surrogate, at most U+10FFFF).
void AppendUtf8(std::string& out, char32_t code);

}
