// ResourceError: a resource file that is missing or malformed, with the file
// (relative to the resource folder) and the line where the problem lies.
#pragma once

#include <stdexcept>
#include <string>

namespace headless::resources {

struct ResourceError : std::runtime_error
{
	// what() reads "<file>:<line>: <message>", or "<file>: <message>" for line 0.
	ResourceError(std::string file, int line, const std::string& message);

	// The file (or folder) does not exist: "<file>: missing".
	static ResourceError Missing(std::string file);

	std::string file;
	int line;
};

}
