// How test output is judged: exactly on Linux, by value where the Windows
// build writes paths and last bits differently.
#include "tests/support/output_match.h"

namespace tests
{
namespace
{

constexpr OutputComparison EXACT = OutputComparison::Exact;
constexpr OutputComparison BY_VALUE = OutputComparison::ByValue;

TEST(OutputMatch, ExactlyTakesEveryCharacter)
{
	EXPECT_EQ(OutputDifference("400.0\n[1,2]\n", "400.0\n[1,2]\n", EXACT), "");
	EXPECT_EQ(OutputDifference("400.0\n", "400.00000000000006\n", EXACT), "line 1:\n  expected: 400.0\n  actual:   400.00000000000006");
	EXPECT_NE(OutputDifference("a\n", "a\r\n", EXACT), "");
	EXPECT_NE(OutputDifference("a\n", "a", EXACT), "");
	EXPECT_EQ(OutputDifference("a\nb\n", "a\n", EXACT), "line 2:\n  expected: b\n  actual:   (none)");
}

TEST(OutputMatch, ByValueTakesNumbersToOnePartInABillion)
{
	EXPECT_EQ(OutputDifference("[[-250.0,50.0,0.0]]\n", "[[-250.00000000000003,50.0,0.0]]\n", BY_VALUE), "");
	EXPECT_EQ(OutputDifference("0.08726646259971647\n", "0.08726646259971648\n", BY_VALUE), "");
	EXPECT_EQ(OutputDifference("1e+20 -0.0\n", "1.0000000000000002e+20 0.0\n", BY_VALUE), "");
	EXPECT_NE(OutputDifference("[150.0]\n", "[150.000001]\n", BY_VALUE), "");
	EXPECT_NE(OutputDifference("0.0\n", "1e-300\n", BY_VALUE), "");
}

TEST(OutputMatch, ByValueKeepsIntegersAndFloatsApart)
{
	EXPECT_NE(OutputDifference("{\"1001\":3}\n", "{\"1001\":3.0}\n", BY_VALUE), "");
	EXPECT_NE(OutputDifference("{\"1001\":3}\n", "{\"1001\":4}\n", BY_VALUE), "");
	EXPECT_NE(OutputDifference("{\"1001\":3}\n", "{\"1002\":3}\n", BY_VALUE), "");
}

TEST(OutputMatch, ByValueReadsPathsWithoutDriveLettersOrBackslashes)
{
	EXPECT_EQ(OutputDifference("{\"start\":\"/tmp/p/presets/*.arr\"}\n", "{\"start\":\"C:\\\\tmp\\\\p\\\\presets\\\\*.arr\"}\r\n", BY_VALUE), "");
	EXPECT_EQ(OutputDifference("C:\\tmp\\wide.arr\n", "/tmp/wide.arr\n", BY_VALUE), "");
	EXPECT_NE(OutputDifference("/tmp/wide.arr\n", "/tmp/narrow.arr\n", BY_VALUE), "");
}

TEST(OutputMatch, PathsInAMessageReadAsTheComparisonReadsThem)
{
	EXPECT_EQ(ComparablePaths("cannot load Z:\\nonexistent\\x.xdl64 (error 126)", BY_VALUE), "cannot load /nonexistent/x.xdl64 (error 126)");
	EXPECT_EQ(ComparablePaths("cannot load Z:\\nonexistent\\x.xdl64", EXACT), "cannot load Z:\\nonexistent\\x.xdl64");
}

TEST(OutputMatch, ByValueStillWantsEveryLineAndTheLastLineEnd)
{
	EXPECT_EQ(OutputDifference("a\n", "a\n\n", BY_VALUE), "line 2:\n  expected: (none)\n  actual:   ");
	EXPECT_EQ(OutputDifference("a\n", "a", BY_VALUE), "the line ends");
	EXPECT_NE(OutputDifference("tree\n", "tree \n", BY_VALUE), "");
}

} // namespace
} // namespace tests
