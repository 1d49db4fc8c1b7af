#include "tests/support/program.h"

#include <windows.h>

namespace tests
{

namespace
{

std::wstring Wide(const std::string& text)
{
	return std::filesystem::path(std::u8string(text.begin(), text.end())).wstring();
}

// One argument as the C runtime's command-line parser reads it back.
std::wstring Quoted(const std::wstring& argument)
{
	if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos)
		return argument;
	std::wstring quoted = L"\"";
	std::size_t backslashes = 0;
	for (wchar_t c : argument)
	{
		if (c == L'\\')
		{
			++backslashes;
			continue;
		}
		// Backslashes double only before a quote, which is escaped itself.
		quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
		quoted += c;
		backslashes = 0;
	}
	quoted.append(backslashes * 2, L'\\');
	return quoted + L"\"";
}

// A file handle the new program inherits as one of its standard streams.
class InheritedFile
{
public:
	InheritedFile(const std::filesystem::path& file, bool write)
	{
		SECURITY_ATTRIBUTES inherit { sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE };
		_handle = CreateFileW(file.c_str(), write ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ, &inherit, write ? CREATE_ALWAYS : OPEN_EXISTING,
			FILE_ATTRIBUTE_NORMAL, nullptr);
	}
	~InheritedFile()
	{
		if (_handle != INVALID_HANDLE_VALUE)
			CloseHandle(_handle);
	}
	InheritedFile(const InheritedFile&) = delete;
	InheritedFile& operator=(const InheritedFile&) = delete;

	HANDLE Handle() const { return _handle; }

private:
	HANDLE _handle;
};

} // namespace

int RunProgram(const std::vector<std::string>& command, const std::filesystem::path& input, const std::filesystem::path& output,
	const std::filesystem::path& errors)
{
	if (command.empty())
		return -1;
	std::wstring line;
	for (const std::string& argument : command)
		line += (line.empty() ? L"" : L" ") + Quoted(Wide(argument));

	const InheritedFile in(input, false);
	const InheritedFile out(output, true);
	const InheritedFile err(errors, true);
	if (in.Handle() == INVALID_HANDLE_VALUE || out.Handle() == INVALID_HANDLE_VALUE || err.Handle() == INVALID_HANDLE_VALUE)
		return -1;
	STARTUPINFOW startup {};
	startup.cb = sizeof startup;
	startup.dwFlags = STARTF_USESTDHANDLES;
	startup.hStdInput = in.Handle();
	startup.hStdOutput = out.Handle();
	startup.hStdError = err.Handle();
	PROCESS_INFORMATION process {};
	const std::wstring program = Wide(command.front());
	if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
		return -1;
	WaitForSingleObject(process.hProcess, INFINITE);
	DWORD exitCode = 0;
	const bool exited = GetExitCodeProcess(process.hProcess, &exitCode);
	CloseHandle(process.hThread);
	CloseHandle(process.hProcess);
	return exited ? static_cast<int>(exitCode) : -1;
}

} // namespace tests
