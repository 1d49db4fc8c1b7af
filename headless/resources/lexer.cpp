#include "headless/resources/lexer.h"

#include <algorithm>
#include <cstdio>

#include "headless/resources/resource_error.h"
#include "headless/resources/utf8.h"

namespace headless::resources {

namespace {

bool IsDigit(char c)
{
	return c >= '0' && c <= '9';
}

bool IsIdentifierStart(char c)
{
	return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsIdentifierPart(char c)
{
	return IsIdentifierStart(c) || IsDigit(c);
}

int HexValue(char c)
{
	if (IsDigit(c))
		return c - '0';
	if (c >= 'a' && c <= 'f')
		return c - 'a' + 10;
	if (c >= 'A' && c <= 'F')
		return c - 'A' + 10;
	return -1;
}

std::string DescribeCharacter(char c)
{
	if (c > ' ' && c < 0x7F)
		return std::string("character '") + c + "'";
	char hex[8];
	std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
	return std::string("byte ") + hex;
}

class Lexer
{
public:
	Lexer(std::string_view text, const std::string& file, LexOptions options)
		: _text(text), _file(file), _options(options)
	{
	}

	std::vector<Token> Run()
	{
		if (_options.asciiOnly)
			RefuseNonAscii();
		constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
		if (_text.starts_with(byteOrderMark))
			_pos = byteOrderMark.size();
		std::vector<Token> tokens;
		for (SkipBlanks(); _pos < _text.size(); SkipBlanks())
		{
			tokens.push_back(NextToken());
			_atLineStart = false;
		}
		tokens.push_back({TokenKind::End, "", _line});
		return tokens;
	}

private:
	[[noreturn]] void Fail(int line, const std::string& message) const
	{
		throw ResourceError(_file, line, message);
	}

	void RefuseNonAscii() const
	{
		const auto isAscii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
		const auto byte = std::find_if_not(_text.begin(), _text.end(), isAscii);
		if (byte != _text.end())
			Fail(1 + static_cast<int>(std::count(_text.begin(), byte, '\n')),
				DescribeCharacter(*byte) + " is not ASCII: write characters beyond ASCII as \\uXXXX escapes");
	}

	char At(std::size_t pos) const
	{
		return pos < _text.size() ? _text[pos] : '\0';
	}

	bool LooksAt(std::string_view prefix) const
	{
		return _text.substr(_pos).starts_with(prefix);
	}

	void SkipBlanks()
	{
		while (_pos < _text.size())
		{
			const char c = _text[_pos];
			if (c == '\n')
			{
				++_line;
				++_pos;
				_atLineStart = true;
			}
			else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v')
				++_pos;
			else if (LooksAt("//") || (c == '#' && _atLineStart && _options.skipDirectives))
				SkipToLineEnd();
			else if (LooksAt("/*"))
				SkipBlockComment();
			else
				return;
		}
	}

	void SkipToLineEnd()
	{
		while (_pos < _text.size() && _text[_pos] != '\n')
			++_pos;
	}

	void SkipBlockComment()
	{
		const int startLine = _line;
		_pos += 2;
		while (!LooksAt("*/"))
		{
			if (_pos >= _text.size())
				Fail(startLine, "unterminated comment");
			if (_text[_pos] == '\n')
				++_line;
			++_pos;
		}
		_pos += 2;
	}

	Token NextToken()
	{
		const char c = _text[_pos];
		if (IsIdentifierStart(c))
			return Identifier();
		if (IsDigit(c) || ((c == '-' || c == '+') && IsDigit(At(_pos + 1))))
			return Number();
		if (c == '"')
			return String();
		if (c == '{' || c == '}' || c == ';' || c == ',' || c == '=')
		{
			++_pos;
			return {TokenKind::Punctuation, std::string(1, c), _line};
		}
		Fail(_line, "unexpected " + DescribeCharacter(c));
	}

	Token Identifier()
	{
		const std::size_t start = _pos;
		while (IsIdentifierPart(At(_pos)))
			++_pos;
		return {TokenKind::Identifier, std::string(_text.substr(start, _pos - start)), _line};
	}

	void SkipDigits()
	{
		while (IsDigit(At(_pos)))
			++_pos;
	}

	Token Number()
	{
		const std::size_t start = _pos;
		if (!IsDigit(_text[_pos]))
			++_pos;
		SkipDigits();
		if (At(_pos) == '.')
		{
			++_pos;
			SkipDigits();
		}
		bool malformed = false;
		if (At(_pos) == 'e' || At(_pos) == 'E')
		{
			++_pos;
			if (At(_pos) == '+' || At(_pos) == '-')
				++_pos;
			malformed = !IsDigit(At(_pos));
			SkipDigits();
		}
		malformed = malformed || IsIdentifierPart(At(_pos)) || At(_pos) == '.';
		while (IsIdentifierPart(At(_pos)) || At(_pos) == '.')
			++_pos;
		std::string text(_text.substr(start, _pos - start));
		if (malformed)
			Fail(_line, "malformed number " + Quote(text));
		return {TokenKind::Number, std::move(text), _line};
	}

	Token String()
	{
		const int startLine = _line;
		std::string value;
		++_pos;
		while (At(_pos) != '"')
		{
			if (_pos >= _text.size() || _text[_pos] == '\n')
				Fail(startLine, "unterminated string");
			if (_text[_pos] == '\\')
			{
				Escape(value);
				continue;
			}
			const std::size_t length = Utf8SequenceLength(_text.substr(_pos));
			if (length == 0)
				Fail(_line, "invalid UTF-8 in string");
			value.append(_text.substr(_pos, length));
			_pos += length;
		}
		++_pos;
		return {TokenKind::String, std::move(value), startLine};
	}

	void Escape(std::string& value)
	{
		const char kind = At(_pos + 1);
		_pos += 2;
		switch (kind)
		{
		case 'n': value.push_back('\n'); return;
		case 't': value.push_back('\t'); return;
		case '"': value.push_back('"'); return;
		case '\\': value.push_back('\\'); return;
		case 'u': AppendUtf8(value, UnicodeEscape()); return;
		case '\n':
		case '\0': Fail(_line, "unterminated string");
		default: Fail(_line, "unknown escape '\\" + std::string(1, kind) + "'");
		}
	}

	char32_t UnicodeEscape()
	{
		char32_t code = 0;
		for (int digit = 0; digit < 4; ++digit, ++_pos)
		{
			const int value = HexValue(At(_pos));
			if (value < 0)
				Fail(_line, "\\u needs four hex digits");
			code = code * 16 + static_cast<char32_t>(value);
		}
		if (code >= 0xD800 && code <= 0xDFFF)
			Fail(_line, "\\u escape names a surrogate, which is no character");
		return code;
	}

	std::string_view _text;
	const std::string& _file;
	LexOptions _options;
	std::size_t _pos = 0;
	int _line = 1;
	bool _atLineStart = true;
};

}

std::vector<Token> Lex(std::string_view text, const std::string& file, LexOptions options)
{
	return Lexer(text, file, options).Run();
}

bool IsIdentifier(std::string_view text)
{
	if (text.empty() || !IsIdentifierStart(text.front()))
		return false;
	for (const char c : text)
	{
		if (!IsIdentifierPart(c))
			return false;
	}
	return true;
}

}
