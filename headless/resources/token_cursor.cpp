#include "headless/resources/token_cursor.h"

#include "headless/resources/resource_error.h"
#include "headless/resources/utf8.h"

namespace headless::resources {

TokenCursor::TokenCursor(std::vector<Token> tokens, std::string file)
	: _tokens(std::move(tokens)), _file(std::move(file))
{
}

const Token& TokenCursor::Peek() const
{
	return _tokens[_pos];
}

const Token& TokenCursor::Next()
{
	const Token& token = _tokens[_pos];
	if (!AtEnd())
		++_pos;
	return token;
}

bool TokenCursor::AtEnd() const
{
	return Peek().kind == TokenKind::End;
}

bool TokenCursor::AtPunctuation(char c) const
{
	return Peek().kind == TokenKind::Punctuation && Peek().text[0] == c;
}

bool TokenCursor::AtKind(TokenKind kind) const
{
	return Peek().kind == kind;
}

bool TokenCursor::AcceptPunctuation(char c)
{
	if (!AtPunctuation(c))
		return false;
	Next();
	return true;
}

const Token& TokenCursor::ExpectPunctuation(char c)
{
	if (!AtPunctuation(c))
		FailExpected(Quote(std::string_view(&c, 1)));
	return Next();
}

const Token& TokenCursor::ExpectIdentifier(std::string_view what)
{
	if (!AtKind(TokenKind::Identifier))
		FailExpected(what);
	return Next();
}

const Token& TokenCursor::ExpectKeyword(std::string_view keyword)
{
	if (!AtKind(TokenKind::Identifier) || Peek().text != keyword)
		FailExpected(Quote(keyword));
	return Next();
}

void TokenCursor::ExpectEnd()
{
	if (!AtEnd())
		FailAt(Peek(), "unexpected " + Describe(Peek()) + " after the end");
}

bool TokenCursor::CloseBlock(const Token& open)
{
	if (AtEnd())
		FailAt(open, "'{' is never closed");
	return AcceptPunctuation('}');
}

void TokenCursor::FailExpected(std::string_view what) const
{
	const std::string expected = "expected " + std::string(what);
	if (_pos == 0)
		FailAt(Peek(), expected + ", found " + Describe(Peek()));
	FailAt(_tokens[_pos - 1], expected + " after " + Describe(_tokens[_pos - 1]));
}

void TokenCursor::FailAt(const Token& token, const std::string& message) const
{
	throw ResourceError(_file, token.line, message);
}

std::string Describe(const Token& token)
{
	switch (token.kind)
	{
	case TokenKind::End: return "end of file";
	case TokenKind::String: return "string \"" + Excerpt(token.text) + "\"";
	default: return Quote(token.text);
	}
}

}
