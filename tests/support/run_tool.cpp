#include "tests/support/run_tool.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tests
{

namespace
{

std::string Quote(const std::string& text)
{
	std::string quoted = "'";
	for (char c : text)
		quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
	return quoted + "'";
}

std::string ReadAll(const std::filesystem::path& file)
{
	std::ifstream in(file);
	std::ostringstream text;
	text << in.rdbuf();
	return text.str();
}

} // namespace

ToolRun RunTool(const std::vector<std::string>& arguments, const std::string& input)
{
	static int runs = 0;
	const std::filesystem::path scratch = std::filesystem::temp_directory_path();
	const std::string stem = "pointsmith-tool-" + std::to_string(getpid()) + "-" + std::to_string(++runs);
	const std::filesystem::path out = scratch / (stem + ".out");
	const std::filesystem::path err = scratch / (stem + ".err");
	const std::filesystem::path in = scratch / (stem + ".in");
	std::ofstream(in, std::ios::binary) << input;

	std::string command = Quote(POINTSMITH_TOOL);
	for (const std::string& argument : arguments)
		command += " " + Quote(argument);
	command += " <" + Quote(in.string()) + " >" + Quote(out.string()) + " 2>" + Quote(err.string());

	ToolRun run;
	const int status = std::system(command.c_str());
	run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
	run.out = ReadAll(out);
	run.err = ReadAll(err);
	std::filesystem::remove(out);
	std::filesystem::remove(err);
	std::filesystem::remove(in);
	return run;
}

} // namespace tests
