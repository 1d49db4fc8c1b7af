// TokenCursor: walks the tokens of one file for a parser and raises
// ResourceErrors that point at the right line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "headless/resources/lexer.h"

namespace headless::resources {

class TokenCursor
{
public:
	TokenCursor(std::vector<Token> tokens, std::string file);

	const Token& Peek() const;
	const Token& Next();
	bool AtEnd() const;
	bool AtPunctuation(char c) const;
	bool AtKind(TokenKind kind) const;

	// Consumes punctuation `c` when it comes next.
	bool AcceptPunctuation(char c);

	// The Expect functions consume the next token or throw "expected <what>".
	const Token& ExpectPunctuation(char c);
	const Token& ExpectIdentifier(std::string_view what);
	const Token& ExpectKeyword(std::string_view keyword);
	void ExpectEnd();

	// True after consuming the '}' that closes the block opened by `open`;
	// false while the block goes on. Throws when the file ends first.
	bool CloseBlock(const Token& open);

	// Throws "expected <what>", placed after the previous token: that is the
	// line where the missing piece belongs.
	[[noreturn]] void FailExpected(std::string_view what) const;
	[[noreturn]] void FailAt(const Token& token, const std::string& message) const;

	const std::string& File() const { return _file; }

private:
	std::vector<Token> _tokens;
	std::string _file;
	std::size_t _pos = 0;
};

// How a message names a token: 'NAME', '{', a string literal or the end of file.
std::string Describe(const Token& token);

}
