// What is wrong with a command line the parser refused, in one line that
// names the word: an unknown command with the commands there are, an
// unknown option with the nearest known one, a command that needs one of
// its own.
#ifndef TOOL_ARGUMENT_ERRORS_H
#define TOOL_ARGUMENT_ERRORS_H

#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace tool
{

// `words` are the arguments after the program's name; `fallback` is what
// the parser said, used when the words show nothing more precise.
std::string ArgumentError(const CLI::App& app, const std::vector<std::string>& words, const std::string& fallback);

} // namespace tool

#endif
