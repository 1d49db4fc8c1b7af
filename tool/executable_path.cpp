#include "tool/executable_path.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace tool
{

std::filesystem::path ExecutableDirectory()
{
#if defined(_WIN32)
	wchar_t buffer[32768];
	const DWORD length = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
	return std::filesystem::path(std::wstring(buffer, length)).parent_path();
#else
	std::error_code error;
	const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
	return error ? std::filesystem::current_path() : self.parent_path();
#endif
}

} // namespace tool
