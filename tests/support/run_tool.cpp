#include "tests/support/run_tool.h"

#include <fstream>
#include <sstream>

#include "tests/support/program.h"
#include "tests/support/scratch_folder.h"

namespace tests
{

namespace
{

// Text as a C++ program reads it: line ends in the system's own form become '\n'.
std::string ReadAll(const std::filesystem::path& file)
{
	std::ifstream in(file);
	std::ostringstream text;
	text << in.rdbuf();
	return text.str();
}

} // namespace

ToolRun RunTool(const std::vector<std::string>& arguments, const std::string& input, const std::filesystem::path& output)
{
	const ScratchFolder scratch;
	const std::filesystem::path in = scratch.Path() / "in";
	const std::filesystem::path out = output.empty() ? scratch.Path() / "out" : output;
	const std::filesystem::path err = scratch.Path() / "err";
	std::ofstream(in, std::ios::binary) << input;

	std::vector<std::string> command { POINTSMITH_TOOL };
	command.insert(command.end(), arguments.begin(), arguments.end());
	ToolRun run;
	run.exitCode = RunProgram(command, in, out, err);
	run.out = output.empty() ? ReadAll(out) : std::string();
	run.err = ReadAll(err);
	return run;
}

} // namespace tests
