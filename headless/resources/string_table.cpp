#include "headless/resources/string_table.h"

#include <set>

#include "headless/resources/resource_error.h"
#include "headless/resources/token_cursor.h"
#include "headless/resources/utf8.h"

namespace headless::resources {

namespace {

StringEntry ParseEntry(TokenCursor& cursor)
{
	const Token& symbol = cursor.ExpectIdentifier("a symbol");
	if (!cursor.AtKind(TokenKind::String))
		cursor.FailExpected("a string");
	std::string text;
	while (cursor.AtKind(TokenKind::String))
		text += cursor.Next().text;
	cursor.ExpectPunctuation(';');
	return {symbol.text, std::move(text), symbol.line};
}

}

StringTable ParseStringTable(std::string_view text, const std::string& file)
{
	TokenCursor cursor(Lex(text, file), file);
	StringTable table{"", cursor.ExpectKeyword("STRINGTABLE").line, {}};
	if (cursor.AtKind(TokenKind::Identifier))
		table.name = cursor.Next().text;
	const Token& open = cursor.ExpectPunctuation('{');
	std::set<std::string, std::less<>> symbols;
	while (!cursor.CloseBlock(open))
	{
		StringEntry entry = ParseEntry(cursor);
		if (!symbols.insert(entry.symbol).second)
			throw ResourceError(file, entry.line, Quote(entry.symbol) + " has a string already");
		table.entries.push_back(std::move(entry));
	}
	cursor.ExpectEnd();
	return table;
}

}
