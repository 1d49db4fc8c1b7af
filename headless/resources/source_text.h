// SourceText: the text of one resource file and the name errors give it.
#pragma once

#include <string>

namespace headless::resources {

struct SourceText
{
	std::string file; // relative to the resource folder, e.g. "description/Oname.res"
	std::string text;
};

}
