#include <gtest/gtest.h>

#include "expect_resource_error.h"
#include "headless/resources/string_table.h"

using namespace headless::resources;

TEST(StringTable, ConcatenatesAdjacentLiterals)
{
	const StringTable table = ParseStringTable("// labels\nSTRINGTABLE Oname\n{\n  Oname \"Name\";\n  ID_A \"Two \"\n    \"lines\" \"\";\n}\n", "Oname.str");
	EXPECT_EQ(table.name, "Oname");
	EXPECT_EQ(table.line, 2);
	ASSERT_EQ(table.entries.size(), 2u);
	EXPECT_EQ(table.entries[1].symbol, "ID_A");
	EXPECT_EQ(table.entries[1].text, "Two lines");
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
	};
	for (const auto& entry : cases)
	{
		SCOPED_TRACE(entry.text);
		ExpectResourceError([&] { ParseStringTable(entry.text, "s.str"); }, "s.str", entry.line, entry.fragment);
	}
}
