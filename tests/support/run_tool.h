// Runs the built pointsmith-host as a user would and captures what it says.
#ifndef TESTS_SUPPORT_RUN_TOOL_H
#define TESTS_SUPPORT_RUN_TOOL_H

#include <string>
#include <vector>

namespace tests
{

struct ToolRun
{
	int exitCode = -1;
	std::string out;
	std::string err;
};

// With `input`, the tool reads it on its standard input.
ToolRun RunTool(const std::vector<std::string>& arguments, const std::string& input = {});

} // namespace tests

#endif
