#include "tool/number_text.h"

#include <charconv>

namespace tool
{

std::string ShortestText(double value)
{
	char text[32]; // the longest is 24 characters: -2.2250738585072014e-308
	return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

} // namespace tool
