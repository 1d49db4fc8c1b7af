// Whether a program printed what a test expects. The expected texts are
// written as the Linux build prints them; the Windows build writes paths with
// drive letters and backslashes, ends lines with CR LF, and its math library
// may round the last bit of a coordinate differently. So there the output is
// compared by value: paths after normalising separators and drive letters,
// numbers to 1e-9 relative. Elsewhere it must match exactly.
#ifndef TESTS_SUPPORT_OUTPUT_MATCH_H
#define TESTS_SUPPORT_OUTPUT_MATCH_H

#include <gtest/gtest.h>

#include <string>

namespace tests
{

enum class OutputComparison
{
	Exact,
	ByValue
};

#if defined(_WIN32)
constexpr OutputComparison NATIVE_COMPARISON = OutputComparison::ByValue;
#else
constexpr OutputComparison NATIVE_COMPARISON = OutputComparison::Exact;
#endif

// Empty when `actual` matches `expected`; else the first line that differs.
std::string OutputDifference(const std::string& expected, const std::string& actual, OutputComparison comparison = NATIVE_COMPARISON);

// `text` with its paths as the comparison reads them, for searching a
// message for a path: unchanged when comparing exactly.
std::string ComparablePaths(const std::string& text, OutputComparison comparison = NATIVE_COMPARISON);

// For EXPECT_PRED_FORMAT2(tests::SameOutput, expected, actual), on any text
// the program under test gave back.
::testing::AssertionResult SameOutput(const char* expectedExpression, const char* actualExpression, const std::string& expected, const std::string& actual);

} // namespace tests

#endif
