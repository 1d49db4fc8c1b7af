#include <gtest/gtest.h>

#include "expect_resource_error.h"
#include "headless/resources/string_table.h"

using namespace headless::resources;

TEST(StringTable, ReadsOneEscapedLiteralPerSymbol)
{
	const StringTable table = ParseStringTable("// labels\nSTRINGTABLE Oname\n{\n  Oname \"Name\";\n  ID_A\n    \"Two\\nL\\u00e4nge\";\n}\n", "Oname.str");
	EXPECT_EQ(table.name, "Oname");
	EXPECT_EQ(table.line, 2);
	ASSERT_EQ(table.entries.size(), 2u);
	EXPECT_EQ(table.entries[1].symbol, "ID_A");
	EXPECT_EQ(table.entries[1].text, "Two\nL\u00e4nge");
	EXPECT_EQ(table.entries[1].line, 5);
}

TEST(StringTable, NameIsOptional)
{
	const StringTable table = ParseStringTable("STRINGTABLE { IDS_NAME \"x\"; }", "c4d_strings.str");
	EXPECT_EQ(table.name, "");
	EXPECT_EQ(table.entries.at(0).text, "x");
}

TEST(StringTable, ReportsErrorsWithTheirLine)
{
	const struct
	{
		const char* text;
		int line;
		const char* fragment;
	} cases[] = {
		{"STRINGTABLE {\n A \"x\";\n A \"y\";\n}", 3, "'A' has a string already"},
		{"STRINGTABLE {\n A \"x\"\n B \"y\";\n}", 2, "expected ';' after string \"x\""},
		{"STRINGTABLE {\n A;\n}", 2, "expected a string after 'A'"},
		{"STRINGTABLE\n{\n A \"x\";\n", 2, "'{' is never closed"},
		{"STRINGTABLE { }\n}", 2, "unexpected '}' after the end"},
		{"STRINGS { }", 1, "expected 'STRINGTABLE', found 'STRINGS'"},
		{"STRINGTABLE {\n A \"Two \"\n   \"lines\";\n}", 3, "a second literal for 'A': write one literal, with \\n for line breaks"},
		{"STRINGTABLE {\n A \"x\";\n B \"L\xC3\xA4nge\";\n}", 3, "byte 0xC3 is not ASCII: write characters beyond ASCII as \\uXXXX escapes"},
		{"\xEF\xBB\xBFSTRINGTABLE { A \"x\"; }", 1, "byte 0xEF is not ASCII"},
		{"// Gr\xC3\xB6\xC3\x9F\nSTRINGTABLE { A \"x\"; }", 1, "byte 0xC3 is not ASCII"},
	};
	for (const auto& entry : cases)
	{
		SCOPED_TRACE(entry.text);
		ExpectResourceError([&] { ParseStringTable(entry.text, "s.str"); }, "s.str", entry.line, entry.fragment);
	}
}
