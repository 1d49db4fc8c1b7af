// UTF-8 checks and encoding for the text of string literals.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace headless::resources {

// Length of the well-formed UTF-8 sequence that `bytes` starts with; 0 when it
// is malformed (stray continuation byte, overlong form, surrogate, beyond
// U+10FFFF or cut short).
std::size_t Utf8SequenceLength(std::string_view bytes);

// Appends the UTF-8 encoding of `code` (not a surrogate, at most U+10FFFF).
void AppendUtf8(std::string& out, char32_t code);

}
