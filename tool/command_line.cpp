#include "tool/command_line.h"

#if defined(_WIN32)
#include <windows.h>

#include <shellapi.h>

#include "headless/paths.h"
#endif

namespace tool
{

namespace
{

#if defined(_WIN32)
std::vector<std::string> Utf8Texts(int, char**)
{
	int count = 0;
	wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
	std::vector<std::string> texts;
	for (int i = 0; wide && i < count; ++i)
		texts.push_back(headless::ToUtf8(std::filesystem::path(wide[i])));
	LocalFree(wide);
	return texts;
}
#else
std::vector<std::string> Utf8Texts(int argc, char** argv)
{
	return std::vector<std::string>(argv, argv + argc);
}
#endif

} // namespace

CommandLine::CommandLine(int argc, char** argv) : _texts(Utf8Texts(argc, argv))
{
	for (std::string& text : _texts)
		_words.push_back(text.data());
	_words.push_back(nullptr);
}

} // namespace tool
