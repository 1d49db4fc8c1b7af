// Runs the built pointsmith-host as a user would and captures what it says.
#ifndef TESTS_SUPPORT_RUN_TOOL_H
#define TESTS_SUPPORT_RUN_TOOL_H

#include <filesystem>
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

// With `input`, the tool reads it on its standard input; with `output`, its
// standard output goes to that file instead of into ToolRun::out.
ToolRun RunTool(const std::vector<std::string>& arguments, const std::string& input = {}, const std::filesystem::path& output = {});

} // namespace tests

#endif
