// The tool's arguments in UTF-8, the one encoding the headless host takes.
// Windows hands a program its arguments in the system's code page, which
// cannot hold every file name, so there they are read again from the wide
// command line.
#ifndef TOOL_COMMAND_LINE_H
#define TOOL_COMMAND_LINE_H

#include <string>
#include <vector>

namespace tool
{

class CommandLine
{
public:
	CommandLine(int argc, char** argv);
	CommandLine(const CommandLine&) = delete;
	CommandLine& operator=(const CommandLine&) = delete;

	int Count() const { return static_cast<int>(_texts.size()); }
	// As main's argv: the program's name first.
	char** Words() { return _words.data(); }

private:
	std::vector<std::string> _texts;
	std::vector<char*> _words;
};

} // namespace tool

#endif
