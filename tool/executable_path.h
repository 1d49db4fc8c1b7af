// The folder of the running executable, so the tool finds its module wherever it is installed.
#ifndef TOOL_EXECUTABLE_PATH_H
#define TOOL_EXECUTABLE_PATH_H

#include <filesystem>

namespace tool
{

std::filesystem::path ExecutableDirectory();

} // namespace tool

#endif
