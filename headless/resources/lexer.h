// Lexer shared by all resource files: identifiers, numbers, string literals
// and the punctuation { } ; , = with // and /* */ comments in between.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace headless::resources {

enum class TokenKind { Identifier, Number, String, Punctuation, End };

struct Token
{
	TokenKind kind;
	std::string text; // string literals decoded to UTF-8, punctuation as its character
	int line;
};

struct LexOptions
{
	// Skips lines whose first non-blank character is '#' (preprocessor lines of enum headers).
	bool skipDirectives = false;
	// Refuses any byte above 127, a byte order mark included: string tables
	// are ASCII, with \uXXXX escapes in their literals for other characters.
	bool asciiOnly = false;
};

// The tokens of `text`, always ending with an End token. Throws ResourceError
// naming `file` for unterminated strings and comments, bad escapes, invalid
// UTF-8 inside strings, characters that start no token and, with
// `asciiOnly`, the first byte above 127.
std::vector<Token> Lex(std::string_view text, const std::string& file, LexOptions options = {});

// Whether `text` is a whole identifier: [A-Za-z_][A-Za-z0-9_]*.
bool IsIdentifier(std::string_view text);

}
