// Runs one scenario script through pointsmith-host and compares what it
// prints with the .expected file beside it.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tests/support/output_match.h"
#include "tests/support/run_tool.h"

int main(int argc, char** argv)
{
	if (argc != 2)
	{
		std::cerr << "usage: scenario_check SCRIPT\n";
		return 2;
	}
	const std::filesystem::path script = argv[1];
	std::filesystem::path expectedFile = script;
	expectedFile.replace_extension(".expected");
	std::ifstream in(expectedFile);
	if (!in)
	{
		std::cerr << expectedFile.string() << ": cannot be read\n";
		return 1;
	}
	std::ostringstream expected;
	expected << in.rdbuf();

	const tests::ToolRun run = tests::RunTool({ "script", script.string() });
	if (run.exitCode != 0)
	{
		std::cerr << script.string() << ": pointsmith-host did not run the script through (exit " << run.exitCode << "): " << run.err;
		return 1;
	}
	const std::string difference = tests::OutputDifference(expected.str(), run.out);
	if (!difference.empty())
	{
		std::cerr << script.string() << ": the output differs at " << difference << "\n";
		return 1;
	}
	return 0;
}
