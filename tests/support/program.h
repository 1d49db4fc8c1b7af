// Runs a program as a user's shell would, without a shell between: its
// standard input read from one file, its output and errors written to two.
#ifndef TESTS_SUPPORT_PROGRAM_H
#define TESTS_SUPPORT_PROGRAM_H

#include <filesystem>
#include <string>
#include <vector>

namespace tests
{

// `command` is the program's path and then its arguments, in UTF-8. The
// program's exit code, or -1 when it could not start or did not exit.
int RunProgram(const std::vector<std::string>& command, const std::filesystem::path& input, const std::filesystem::path& output,
	const std::filesystem::path& errors);

} // namespace tests

#endif
