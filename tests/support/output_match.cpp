#include "tests/support/output_match.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <vector>

namespace tests
{

namespace
{

constexpr double RELATIVE_TOLERANCE = 1e-9;

std::vector<std::string> Lines(const std::string& text)
{
	std::vector<std::string> lines;
	std::istringstream in(text);
	for (std::string line; std::getline(in, line);)
	{
		if (!line.empty() && line.back() == '\r')
			line.pop_back();
		lines.push_back(line);
	}
	return lines;
}

// Paths in one form: any run of backslashes (a separator, or one escaped in
// JSON) is a slash, and a drive letter before a slash is gone.
std::string NormalisedPaths(const std::string& text)
{
	static const std::regex backslashes(R"(\\+)");
	static const std::regex drive(R"((^|[^A-Za-z0-9_])[A-Za-z]:/)");
	return std::regex_replace(std::regex_replace(text, backslashes, "/"), drive, "$1/");
}

// A line cut into text and numbers, alternating, text first.
std::vector<std::string> Pieces(const std::string& line)
{
	static const std::regex number(R"(-?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?)");
	std::vector<std::string> pieces;
	std::size_t done = 0;
	for (auto match = std::sregex_iterator(line.begin(), line.end(), number); match != std::sregex_iterator(); ++match)
	{
		pieces.push_back(line.substr(done, static_cast<std::size_t>(match->position()) - done));
		pieces.push_back(match->str());
		done = static_cast<std::size_t>(match->position() + match->length());
	}
	pieces.push_back(line.substr(done));
	return pieces;
}

bool IsFloat(const std::string& number)
{
	return number.find_first_of(".eE") != std::string::npos;
}

bool SameNumber(const std::string& expected, const std::string& actual)
{
	if (IsFloat(expected) != IsFloat(actual))
		return false;
	if (!IsFloat(expected))
		return expected == actual;
	const double a = std::strtod(expected.c_str(), nullptr);
	const double b = std::strtod(actual.c_str(), nullptr);
	return a == b || std::fabs(a - b) <= RELATIVE_TOLERANCE * std::max(std::fabs(a), std::fabs(b));
}

bool SameByValue(const std::string& expected, const std::string& actual)
{
	const std::vector<std::string> left = Pieces(NormalisedPaths(expected));
	const std::vector<std::string> right = Pieces(NormalisedPaths(actual));
	if (left.size() != right.size())
		return false;
	for (std::size_t i = 0; i < left.size(); ++i)
	{
		const bool isNumber = i % 2 == 1;
		if (isNumber ? !SameNumber(left[i], right[i]) : left[i] != right[i])
			return false;
	}
	return true;
}

bool EndsLine(const std::string& text)
{
	return !text.empty() && text.back() == '\n';
}

} // namespace

std::string OutputDifference(const std::string& expected, const std::string& actual, OutputComparison comparison)
{
	const bool exact = comparison == OutputComparison::Exact;
	if (exact && expected == actual)
		return {};
	const std::vector<std::string> left = Lines(expected);
	const std::vector<std::string> right = Lines(actual);
	for (std::size_t i = 0; i < std::max(left.size(), right.size()); ++i)
	{
		const bool both = i < left.size() && i < right.size();
		if (!both || !(exact ? left[i] == right[i] : SameByValue(left[i], right[i])))
			return "line " + std::to_string(i + 1) + ":\n  expected: " + (i < left.size() ? left[i] : "(none)") + "\n  actual:   " +
				(i < right.size() ? right[i] : "(none)");
	}
	if (exact || EndsLine(expected) != EndsLine(actual))
		return "the line ends";
	return {};
}

std::string ComparablePaths(const std::string& text, OutputComparison comparison)
{
	return comparison == OutputComparison::Exact ? text : NormalisedPaths(text);
}

::testing::AssertionResult SameOutput(const char* expectedExpression, const char* actualExpression, const std::string& expected, const std::string& actual)
{
	const std::string difference = OutputDifference(expected, actual);
	if (difference.empty())
		return ::testing::AssertionSuccess();
	return ::testing::AssertionFailure() << actualExpression << " differs from " << expectedExpression << " at " << difference;
}

} // namespace tests
