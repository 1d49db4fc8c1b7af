#include "tool/script/words.h"

#include "tool/parameter_input.h"

namespace tool::script
{

namespace
{

bool IsBlank(char c)
{
	return c == ' ' || c == '\t' || c == '\r';
}

} // namespace

std::vector<Word> SplitWords(std::string_view line)
{
	std::vector<Word> words;
	std::size_t at = 0;
	while (at < line.size())
	{
		if (IsBlank(line[at]))
		{
			++at;
			continue;
		}
		if (line[at] == '#')
			break;
		if (line[at] == '"')
		{
			const std::size_t close = line.find('"', at + 1);
			if (close == std::string_view::npos)
				throw InputError("a quote is left open");
			words.push_back(Word { std::string(line.substr(at + 1, close - at - 1)), true });
			at = close + 1;
			if (at < line.size() && !IsBlank(line[at]) && line[at] != '#')
				throw InputError("a quoted word must end at a blank");
			continue;
		}
		const std::size_t start = at;
		while (at < line.size() && !IsBlank(line[at]) && line[at] != '#' && line[at] != '"')
			++at;
		if (at < line.size() && line[at] == '"')
			throw InputError("a quote inside a word");
		words.push_back(Word { std::string(line.substr(start, at - start)), false });
	}
	return words;
}

} // namespace tool::script
