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
	std::string text = cursor.Next().text;
	// The host reads one literal per string: a text of several lines is one
	// literal with \n where its lines break.
	if (cursor.AtKind(TokenKind::String))
		cursor.FailAt(cursor.Peek(), "a second literal for " + Quote(symbol.text) + ": write one literal, with \\n for line breaks");
	cursor.ExpectPunctuation(';');
	return {symbol.text, std::move(text), symbol.line};
}

}

StringTable ParseStringTable(std::string_view text, const std::string& file)
{
	TokenCursor cursor(Lex(text, file, {.asciiOnly = true}), file);
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
