#include <gtest/gtest.h>

#include "expect_resource_error.h"
#include "headless/resources/lexer.h"
#include "headless/resources/utf8.h"

using namespace headless::resources;

namespace {

std::vector<std::string> Texts(const std::vector<Token>& tokens)
{
	std::vector<std::string> texts;
	for (const Token& token : tokens)
		texts.push_back(token.text);
	return texts;
}

}

TEST(Lexer, SplitsTokensAcrossCommentsAndCountsLines)
{
	const auto tokens = Lex("ID_A = -1.5e3; // note { \n/* block\n \" */ {+2,0.}\r\n\"s\"", "f");
	EXPECT_EQ(Texts(tokens), (std::vector<std::string>{"ID_A", "=", "-1.5e3", ";", "{", "+2", ",", "0.", "}", "s", ""}));
	EXPECT_EQ(tokens[2].kind, TokenKind::Number);
	EXPECT_EQ(tokens[4].line, 3);
	EXPECT_EQ(tokens[9].kind, TokenKind::String);
	EXPECT_EQ(tokens[9].line, 4);
	EXPECT_EQ(tokens.back().kind, TokenKind::End);
}

TEST(Lexer, DecodesEscapesAndKeepsValidUtf8)
{
	const auto tokens = Lex("\xEF\xBB\xBF\"a\\n\\t\\\"\\\\\\u00e9\\u20AC\" \"Gr\xC3\xB6\xC3\x9F" "e \xE0\xA0\x80\xF0\x9F\x98\x80\"", "f");
	EXPECT_EQ(tokens[0].text, "a\n\t\"\\\xC3\xA9\xE2\x82\xAC");
	EXPECT_EQ(tokens[1].text, "Gr\xC3\xB6\xC3\x9F" "e \xE0\xA0\x80\xF0\x9F\x98\x80");
}

TEST(Lexer, SkipsPreprocessorLinesOnlyWhenAsked)
{
	const std::string text = "#ifndef X\n  #define X\nenum";
	EXPECT_EQ(Texts(Lex(text, "f", {.skipDirectives = true})), (std::vector<std::string>{"enum", ""}));
	ExpectResourceError([&] { Lex(text, "f"); }, "f", 1, "unexpected character '#'");
	ExpectResourceError([] { Lex("enum\n{ # }", "f", {.skipDirectives = true}); }, "f", 2, "unexpected character '#'");
}

TEST(Lexer, ReportsMalformedTextWithItsLine)
{
	const struct
	{
		const char* text;
		int line;
		const char* fragment;
	} cases[] = {
		{"\"abc", 1, "unterminated string"},
		{"x\n\"abc\ndef\"", 2, "unterminated string"},
		{"\"abc\\", 1, "unterminated string"},
		{"a /* open\n\n", 1, "unterminated comment"},
		{"\"\\q\"", 1, "unknown escape '\\q'"},
		{"\"\\u12G4\"", 1, "four hex digits"},
		{"\"\\uD800\"", 1, "surrogate"},
		{"\n\"\xC3\"", 2, "invalid UTF-8"},
		{"\"\x80\"", 1, "invalid UTF-8"},
		{"\"\xC0\xAF\"", 1, "invalid UTF-8"},
		{"\"\xE0\x9F\xBF\"", 1, "invalid UTF-8"},
		{"\"\xED\xA0\x80\"", 1, "invalid UTF-8"},
		{"\"\xF4\x90\x80\x80\"", 1, "invalid UTF-8"},
		{"\"\xF0\x9F\x98\"", 1, "invalid UTF-8"},
		{"1.5x", 1, "malformed number '1.5x'"},
		{"1e+;", 1, "malformed number '1e+'"},
		{"1.2.3", 1, "malformed number"},
		{"a - b", 1, "unexpected character '-'"},
		{"\n\xC3\xA9", 2, "unexpected byte 0xC3"},
	};
	for (const auto& entry : cases)
	{
		SCOPED_TRACE(entry.text);
		ExpectResourceError([&] { Lex(entry.text, "f.str"); }, "f.str", entry.line, entry.fragment);
	}
}

TEST(Lexer, TellsIdentifiers)
{
	EXPECT_TRUE(IsIdentifier("Oname_2"));
	EXPECT_TRUE(IsIdentifier("_x"));
	EXPECT_FALSE(IsIdentifier(""));
	EXPECT_FALSE(IsIdentifier("2x"));
	EXPECT_FALSE(IsIdentifier("../Oname"));
}

TEST(Quote, EscapesWhatATerminalWouldActOnAndCutsLongText)
{
	const std::string umlauts = [] {
		std::string text;
		for (int i = 0; i < 100; ++i)
			text += "\xC3\xBC";
		return text;
	}();
	const struct
	{
		std::string text;
		std::string quoted;
	} cases[] = {
		{"plain words", "'plain words'"},
		{"tab\there\r\n", "'tab\\there\\r\\n'"},
		{std::string("a\0b\x1b[2J", 7), "'a\\x00b\\x1B[2J'"},
		{"\xFF\xC3\xA9\xC0\xAF", "'\\xFF\xC3\xA9\\xC0\\xAF'"},
		{"\xC2\x9B" "1m", "'\\xC2\\x9B1m'"},
		{std::string(10'000'000, 'x'), "'" + std::string(kQuotedLength, 'x') + "...'"},
		{umlauts, "'" + umlauts.substr(0, 2 * kQuotedLength) + "...'"},
	};
	for (const auto& entry : cases)
		EXPECT_EQ(Quote(entry.text), entry.quoted);
	EXPECT_TRUE(IsValidUtf8("Gr\xC3\xB6\xC3\x9F" "e"));
	EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
	EXPECT_FALSE(IsValidUtf8("ok\xFF"));
}
