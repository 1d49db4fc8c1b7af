#include "headless/resources/file_text.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>

namespace headless::resources {

namespace {

FileProblem ProblemOf(const std::error_code& error)
{
	if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory)
		return FileProblem::Missing;
	if (error == std::errc::too_many_symbolic_link_levels)
		return FileProblem::LinkLoop;
	if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
		return FileProblem::Permission;
	return FileProblem::Unreadable;
}

// The file's type, following links; Missing when there is none.
FileProblem Status(const std::filesystem::path& path, std::filesystem::file_type& type)
{
	std::error_code error;
	const std::filesystem::file_status status = std::filesystem::status(path, error);
	type = status.type();
	if (type == std::filesystem::file_type::not_found)
		return FileProblem::Missing;
	return error ? ProblemOf(error) : FileProblem::None;
}

}

FileProblem ReadFileText(const std::filesystem::path& path, std::string& text, std::uintmax_t limit)
{
	std::filesystem::file_type type {};
	if (const FileProblem problem = Status(path, type); problem != FileProblem::None)
		return problem;
	if (type == std::filesystem::file_type::directory)
		return FileProblem::Directory;
	if (type != std::filesystem::file_type::regular)
		return FileProblem::NotRegular;
	errno = 0;
	std::ifstream stream(path, std::ios::binary);
	if (!stream.is_open())
		return ProblemOf(std::error_code(errno, std::generic_category()));
	// The size is not asked first: the file may grow while it is read.
	text.clear();
	for (std::istreambuf_iterator<char> byte(stream), end; byte != end; ++byte)
	{
		if (text.size() == limit)
			return FileProblem::TooLarge;
		text.push_back(*byte);
	}
	return stream.bad() ? FileProblem::Unreadable : FileProblem::None;
}

FileProblem CheckFolder(const std::filesystem::path& path)
{
	std::filesystem::file_type type {};
	if (const FileProblem problem = Status(path, type); problem != FileProblem::None)
		return problem;
	return type == std::filesystem::file_type::directory ? FileProblem::None : FileProblem::NotFolder;
}

std::string_view Describe(FileProblem problem)
{
	switch (problem)
	{
	case FileProblem::None: return "no problem";
	case FileProblem::Missing: return "no such file";
	case FileProblem::Directory: return "it is a directory";
	case FileProblem::NotFolder: return "it is not a folder";
	case FileProblem::NotRegular: return "it is not a regular file";
	case FileProblem::LinkLoop: return "a loop of symbolic links";
	case FileProblem::Permission: return "permission denied";
	case FileProblem::Unreadable: return "a read error";
	case FileProblem::TooLarge: return "too large";
	}
	return "a read error";
}

}
