#include "tests/support/program.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace tests
{

namespace
{

// The three standard streams, tied to their files for the new program.
class StreamFiles
{
public:
	StreamFiles(const std::filesystem::path& input, const std::filesystem::path& output, const std::filesystem::path& errors)
	{
		posix_spawn_file_actions_init(&_actions);
		posix_spawn_file_actions_addopen(&_actions, 0, input.c_str(), O_RDONLY, 0);
		posix_spawn_file_actions_addopen(&_actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
		posix_spawn_file_actions_addopen(&_actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
	}
	~StreamFiles() { posix_spawn_file_actions_destroy(&_actions); }
	StreamFiles(const StreamFiles&) = delete;
	StreamFiles& operator=(const StreamFiles&) = delete;

	const posix_spawn_file_actions_t* Actions() const { return &_actions; }

private:
	posix_spawn_file_actions_t _actions;
};

} // namespace

int RunProgram(const std::vector<std::string>& command, const std::filesystem::path& input, const std::filesystem::path& output,
	const std::filesystem::path& errors)
{
	std::vector<char*> arguments;
	for (const std::string& argument : command)
		arguments.push_back(const_cast<char*>(argument.c_str()));
	arguments.push_back(nullptr);

	const StreamFiles files(input, output, errors);
	pid_t child = 0;
	if (arguments.size() < 2 || posix_spawn(&child, arguments[0], files.Actions(), nullptr, arguments.data(), environ) != 0)
		return -1;
	int status = 0;
	if (waitpid(child, &status, 0) != child)
		return -1;
	return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace tests
