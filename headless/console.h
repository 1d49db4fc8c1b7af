// The host console and its message boxes, as the module used them.
#ifndef HEADLESS_CONSOLE_H
#define HEADLESS_CONSOLE_H

#include <cstdint>
#include <string>
#include <vector>

namespace headless
{

struct MessageBox
{
	std::string text;
	std::int32_t flags = 0;
};

struct Console
{
	std::vector<std::string> lines;
	std::vector<MessageBox> boxes;
	// What every message box answers (GEMB_R: 1 is OK).
	std::int32_t boxAnswer = 1;
};

} // namespace headless

#endif
