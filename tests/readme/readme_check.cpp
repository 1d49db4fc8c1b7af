// Runs the README and the pages of docs/ as a reader would and compares what
// they show:
// - in a ```sh block, every line that starts with build/bin/pointsmith-host
//   runs (from the source folder, with the tool under test), and must exit 0;
//   the lines after it up to the next command are its output;
// - a ```script block is put into a file and run with `script FILE`;
// - a ```json or plain ``` block right after either (nothing but blank lines
//   between) is the output of the last command. A json block is one line
//   wrapped for reading: its lines are joined without their indentation.
// In any output, "..." stands for any text.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/run_tool.h"
#include "tests/support/scratch_folder.h"

namespace
{

const std::string TOOL = "build/bin/pointsmith-host";

struct Block
{
	std::string kind; // the word after the opening fence
	int line = 0;     // where the opening fence is, counting from 1
	std::vector<std::string> lines;
	bool follows = false; // only blank lines between it and the block before
};

std::vector<Block> ReadBlocks(std::istream& in)
{
	std::vector<Block> blocks;
	std::string text;
	bool inside = false;
	bool onlyBlanks = false;
	for (int number = 1; std::getline(in, text); ++number)
	{
		if (text.rfind("```", 0) == 0)
		{
			if (!inside)
				blocks.push_back({ text.substr(3), number, {}, onlyBlanks });
			inside = !inside;
			onlyBlanks = !inside;
		}
		else if (inside)
			blocks.back().lines.push_back(text);
		else if (!text.empty())
			onlyBlanks = false;
	}
	return blocks;
}

// Whether `text` is `pattern`, where each "..." in the pattern stands for any text.
bool Matches(const std::string& pattern, const std::string& text)
{
	std::vector<std::string> pieces;
	std::size_t start = 0;
	for (std::size_t dots; (dots = pattern.find("...", start)) != std::string::npos; start = dots + 3)
		pieces.push_back(pattern.substr(start, dots - start));
	pieces.push_back(pattern.substr(start));
	if (pieces.size() == 1)
		return pattern == text;
	if (text.rfind(pieces.front(), 0) != 0 || text.size() < pieces.front().size() + pieces.back().size() ||
		text.compare(text.size() - pieces.back().size(), pieces.back().size(), pieces.back()) != 0)
		return false;
	std::size_t at = pieces.front().size();
	const std::size_t end = text.size() - pieces.back().size();
	for (std::size_t i = 1; i + 1 < pieces.size(); ++i)
	{
		at = text.find(pieces[i], at);
		if (at == std::string::npos || at + pieces[i].size() > end)
			return false;
		at += pieces[i].size();
	}
	return true;
}

std::string Expected(const Block& block)
{
	std::string text;
	for (const std::string& line : block.lines)
	{
		if (block.kind == "json")
			text += line.substr(line.find_first_not_of(' ') == std::string::npos ? line.size() : line.find_first_not_of(' '));
		else
			text += line + "\n";
	}
	return block.kind == "json" ? text + "\n" : text;
}

// The words of a command line as a shell splits these pages' commands: at
// blanks, with double quotes holding a word together.
std::vector<std::string> Words(const std::string& line)
{
	std::vector<std::string> words;
	std::string word;
	bool quoted = false;
	bool any = false;
	for (char c : line)
	{
		if (c == ' ' && !quoted)
		{
			if (any)
				words.push_back(word);
			word.clear();
			any = false;
			continue;
		}
		if (c == '"')
			quoted = !quoted;
		else
			word += c;
		any = true;
	}
	if (any)
		words.push_back(word);
	return words;
}

class Check
{
public:
	void Reading(const std::string& page) { _page = page; }

	void Run(int line, const std::vector<std::string>& arguments, const std::string& expected, bool withOutput)
	{
		const tests::ToolRun run = tests::RunTool(arguments);
		++_commands;
		if (run.exitCode != 0)
			Fail(line, "exit " + std::to_string(run.exitCode) + ": " + run.err);
		else if (withOutput && !Matches(expected, run.out))
			Fail(line, "the output is\n" + run.out + "where the page shows\n" + expected);
	}

	void Fail(int line, const std::string& what)
	{
		std::cerr << _page << ":" << line << ": " << what << "\n";
		_failed = true;
	}

	int Result() const
	{
		std::cout << _commands << " commands of the README and docs/ run\n";
		return _failed || _commands == 0 ? 1 : 0;
	}

private:
	std::string _page;
	int _commands = 0;
	bool _failed = false;
};

// Runs every command and script of one page.
void RunPage(const std::vector<Block>& blocks, Check& check, const tests::ScratchFolder& scratch)
{
	for (std::size_t i = 0; i < blocks.size(); ++i)
	{
		const Block& block = blocks[i];
		const Block* output = i + 1 < blocks.size() && blocks[i + 1].follows && (blocks[i + 1].kind == "json" || blocks[i + 1].kind.empty()) ?
			&blocks[i + 1] :
			nullptr;
		if (block.kind == "script")
		{
			const std::filesystem::path file = scratch.Path() / ("block-" + std::to_string(block.line) + ".script");
			std::ofstream script(file);
			for (const std::string& line : block.lines)
				script << line << "\n";
			script.close();
			check.Run(block.line, { "script", file.string() }, output ? Expected(*output) : std::string(), output != nullptr);
		}
		if (block.kind != "sh")
			continue;
		// Commands in order, each with the lines up to the next command as its output.
		for (std::size_t k = 0; k < block.lines.size(); ++k)
		{
			if (block.lines[k].rfind(TOOL + " ", 0) != 0)
				continue;
			std::vector<std::string> arguments = Words(block.lines[k].substr(TOOL.size() + 1));
			Block shown { "", 0, {}, false };
			std::size_t next = k + 1;
			for (; next < block.lines.size() && block.lines[next].rfind(TOOL + " ", 0) != 0; ++next)
				shown.lines.push_back(block.lines[next]);
			const bool last = next == block.lines.size();
			const int line = block.line + 1 + static_cast<int>(k);
			if (!shown.lines.empty())
				check.Run(line, arguments, Expected(shown), true);
			else if (last && output)
				check.Run(line, arguments, Expected(*output), true);
			else
				check.Run(line, arguments, std::string(), false);
		}
	}
}

} // namespace

int main(int argc, char** argv)
{
	if (argc < 2)
	{
		std::cerr << "usage: readme_check PAGE...\n";
		return 2;
	}
	Check check;
	const tests::ScratchFolder scratch;
	for (int page = 1; page < argc; ++page)
	{
		std::ifstream in(argv[page]);
		if (!in)
		{
			std::cerr << argv[page] << ": cannot be read\n";
			return 2;
		}
		check.Reading(argv[page]);
		RunPage(ReadBlocks(in), check, scratch);
	}
	return check.Result();
}
