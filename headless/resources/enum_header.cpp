#include "headless/resources/enum_header.h"

#include <charconv>
#include <limits>
#include <set>

#include "headless/resources/token_cursor.h"
#include "headless/resources/utf8.h"

namespace headless::resources {

namespace {

bool FitsInt32(int64_t value)
{
	return value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max();
}

int64_t ExpectInteger(TokenCursor& cursor)
{
	if (!cursor.AtKind(TokenKind::Number))
		cursor.FailExpected("an integer");
	const Token& number = cursor.Next();
	std::string_view digits = number.text;
	if (digits.starts_with('+'))
		digits.remove_prefix(1);
	int64_t value = 0;
	const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
	if (end != digits.data() + digits.size())
		cursor.FailAt(number, "expected an integer, found " + Describe(number));
	if (error != std::errc() || !FitsInt32(value))
		cursor.FailAt(number, number.text + " does not fit in 32 bits");
	return value;
}

void ParseEnum(TokenCursor& cursor, std::vector<EnumEntry>& entries, std::set<std::string, std::less<>>& names)
{
	cursor.ExpectKeyword("enum");
	if (cursor.AtKind(TokenKind::Identifier))
		cursor.Next();
	const Token& open = cursor.ExpectPunctuation('{');
	int64_t next = 0;
	while (!cursor.CloseBlock(open))
	{
		const Token& name = cursor.ExpectIdentifier("a symbol");
		const int64_t value = cursor.AcceptPunctuation('=') ? ExpectInteger(cursor) : next;
		if (!FitsInt32(value))
			cursor.FailAt(name, "value of " + Quote(name.text) + " does not fit in 32 bits");
		if (!names.insert(name.text).second)
			cursor.FailAt(name, Quote(name.text) + " is declared twice");
		entries.push_back({name.text, static_cast<int32_t>(value), name.line});
		next = value + 1;
		if (!cursor.AcceptPunctuation(','))
		{
			cursor.ExpectPunctuation('}');
			break;
		}
	}
	cursor.ExpectPunctuation(';');
}

}

std::vector<EnumEntry> ParseEnumHeader(std::string_view text, const std::string& file)
{
	TokenCursor cursor(Lex(text, file, {.skipDirectives = true}), file);
	std::vector<EnumEntry> entries;
	std::set<std::string, std::less<>> names;
	while (!cursor.AtEnd())
		ParseEnum(cursor, entries, names);
	return entries;
}

}
