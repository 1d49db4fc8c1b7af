#include <iostream>
#include <sstream>
#include <string_view>

#include "headless/paths.h"
#include "headless/resources/file_text.h"
#include "tool/commands.h"
#include "tool/contour_output.h"
#include "tool/parameter_input.h"
#include "tool/script/script.h"

namespace tool
{

std::string ReadScript(const std::string& file)
{
	std::ostringstream text;
	if (file == "-")
	{
		text << std::cin.rdbuf();
		return text.str();
	}
	std::string bytes;
	const headless::resources::FileProblem problem = headless::resources::ReadFileText(headless::FromUtf8(file), bytes);
	if (problem != headless::resources::FileProblem::None)
		throw InputError("cannot read the script " + file + ": " + std::string(headless::resources::Describe(problem)));
	return bytes;
}

// The longest line a script may have; no command needs more, and a longer
// one is refused before its words are read.
constexpr std::size_t LONGEST_LINE = 64 * 1024;

int RunScript(Session& session, const std::string& text, std::ostream& out, std::ostream& err, const std::string& file)
{
	script::Script script(session.Host(), *session.Document(), out);
	// Editors on Windows begin a UTF-8 file with a byte-order mark.
	constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";
	std::istringstream lines(text.starts_with(BYTE_ORDER_MARK) ? text.substr(BYTE_ORDER_MARK.size()) : text);
	std::string line;
	for (int number = 1; std::getline(lines, line); ++number)
	{
		// Errors read as the tool's others: FILE:LINE: reason, or line N: reason for standard input.
		const std::string where = "pointsmith-host: " + (file == "-" ? "line " + std::to_string(number) : file + ":" + std::to_string(number)) + ": ";
		try
		{
			if (line.size() > LONGEST_LINE)
				throw InputError("line longer than 64 KiB");
			script.Run(script::SplitWords(line));
			session.CheckProtocol();
		}
		catch (const InputError& error)
		{
			err << where << error.what() << '\n';
			return EXIT_INPUT;
		}
		catch (const HostError& error)
		{
			err << where << error.what() << '\n';
			return EXIT_HOST;
		}
		catch (const NoContour& error)
		{
			err << where << error.what() << '\n';
			return EXIT_FAILED;
		}
	}
	return 0;
}

} // namespace tool
