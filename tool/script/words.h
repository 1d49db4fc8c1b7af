// The words of one script line: separated by blanks, `#` starts a comment
// outside quotes, and a word in double quotes may hold blanks and `#`.
#ifndef TOOL_SCRIPT_WORDS_H
#define TOOL_SCRIPT_WORDS_H

#include <string>
#include <string_view>
#include <vector>

namespace tool::script
{

struct Word
{
	std::string text;
	bool quoted = false;

	bool Is(std::string_view keyword) const { return !quoted && text == keyword; }
};

// Throws InputError for a quote left open or a quote inside a word.
std::vector<Word> SplitWords(std::string_view line);

} // namespace tool::script

#endif
