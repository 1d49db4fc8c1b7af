#include "headless/resources/resource_error.h"

namespace headless::resources {

namespace {

std::string Locate(const std::string& file, int line)
{
	return line > 0 ? file + ":" + std::to_string(line) : file;
}

}

ResourceError::ResourceError(std::string file_, int line_, const std::string& message)
	: std::runtime_error(Locate(file_, line_) + ": " + message), file(std::move(file_)), line(line_)
{
}

ResourceError ResourceError::Missing(std::string file_)
{
	return ResourceError(std::move(file_), 0, "missing");
}

}
