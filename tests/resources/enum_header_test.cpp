#include <gtest/gtest.h>

#include "expect_resource_error.h"
#include "headless/resources/enum_header.h"

using namespace headless::resources;

TEST(EnumHeader, CountsImplicitValuesOnAcrossEnums)
{
	const auto entries = ParseEnumHeader(
		"#ifndef ONAME_H__\n"
		"#define ONAME_H__\n"
		"enum Named\n"
		"{\n"
		"\tID_A = 10000,\n"
		"\tID_B, ID_C = -5,\n"
		"\tID_D, // trailing comma\n"
		"};\n"
		"enum { ID_E, ID_F = +7 };\n"
		"#endif\n",
		"Oname.h");
	const std::vector<std::tuple<std::string, int32_t, int>> expected{
		{"ID_A", 10000, 5}, {"ID_B", 10001, 6}, {"ID_C", -5, 6}, {"ID_D", -4, 7}, {"ID_E", 0, 9}, {"ID_F", 7, 9}};
	ASSERT_EQ(entries.size(), expected.size());
	for (std::size_t index = 0; index < entries.size(); ++index)
		EXPECT_EQ(std::tie(entries[index].name, entries[index].value, entries[index].line), expected[index]);
}

TEST(EnumHeader, ReportsErrorsWithTheirLine)
{
	const struct
	{
		const char* text;
		int line;
		const char* fragment;
	} cases[] = {
		{"enum { A };\nenum { B,\n A };", 3, "'A' is declared twice"},
		{"enum { A }\n", 1, "expected ';' after '}'"},
		{"enum { A = 1\n B };", 1, "expected '}' after '1'"},
		{"enum { A = 1.5 };", 1, "expected an integer, found '1.5'"},
		{"enum { A = B };", 1, "expected an integer after '='"},
		{"enum { A = 3000000000 };", 1, "does not fit in 32 bits"},
		{"enum { A = 99999999999999999999 };", 1, "does not fit in 32 bits"},
		{"enum { A = 2147483647,\n B };", 2, "value of 'B' does not fit"},
		{"int x;", 1, "expected 'enum', found 'int'"},
		{"enum {\n A,", 1, "'{' is never closed"},
	};
	for (const auto& entry : cases)
	{
		SCOPED_TRACE(entry.text);
		ExpectResourceError([&] { ParseEnumHeader(entry.text, "c4d_symbols.h"); }, "c4d_symbols.h", entry.line, entry.fragment);
	}
}
