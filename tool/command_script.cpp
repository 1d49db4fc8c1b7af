#include <fstream>
#include <iostream>
#include <sstream>

#include "headless/paths.h"
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
	std::ifstream in(headless::FromUtf8(file), std::ios::binary);
	if (!in)
		throw InputError("cannot read the script " + file);
	text << in.rdbuf();
	return text.str();
}

int RunScript(Session& session, const std::string& text, std::ostream& out, std::ostream& err)
{
	script::Script script(session.Host(), *session.Document(), out);
	std::istringstream lines(text);
	std::string line;
	for (int number = 1; std::getline(lines, line); ++number)
	{
		const std::string where = "line " + std::to_string(number) + ": ";
		try
		{
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
