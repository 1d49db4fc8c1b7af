#include "headless/file_problem.h"

#include <cerrno>
#include <filesystem>

#include "headless/paths.h"

namespace headless
{

namespace fs = std::filesystem;

namespace
{

const char* KindOfFile(fs::file_type type)
{
	switch (type)
	{
		case fs::file_type::directory: return "a folder";
		case fs::file_type::fifo: return "a FIFO";
		case fs::file_type::block:
		case fs::file_type::character: return "a device";
		case fs::file_type::socket: return "a socket";
		default: return "not a file";
	}
}

// Whether `path` is a link to nothing.
bool LeadsNowhere(const std::string& path)
{
	std::error_code error;
	const fs::path named = FromUtf8(path);
	return fs::is_symlink(fs::symlink_status(named, error)) && !fs::exists(fs::status(named, error));
}

} // namespace

std::string Describe(const FileProblem& problem)
{
	switch (problem.kind)
	{
		case FileProblem::Kind::None: return "no problem";
		case FileProblem::Kind::NoSuchFile: return "no such file";
		case FileProblem::Kind::NoFolder: return "the folder does not exist";
		case FileProblem::Kind::NotRegularFile: return "not a regular file (" + problem.detail + ")";
		case FileProblem::Kind::PermissionDenied: return "permission denied";
		case FileProblem::Kind::Other: break;
	}
	return problem.detail;
}

FileProblem ProblemOf(std::error_code error, const std::string& path)
{
	// Such a name is neither there to open nor free to take.
	if ((error == std::errc::no_such_file_or_directory || error == std::errc::file_exists) && LeadsNowhere(path))
		return { FileProblem::Kind::Other, "a link that leads nowhere" };
	if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory)
	{
		// Missing either the file or a folder on its way.
		std::error_code ignored;
		const bool folderThere = fs::is_directory(FromUtf8(path).parent_path(), ignored);
		return { folderThere ? FileProblem::Kind::NoSuchFile : FileProblem::Kind::NoFolder, {} };
	}
	if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
		return { FileProblem::Kind::PermissionDenied, {} };
	if (error == std::errc::is_a_directory)
		return { FileProblem::Kind::NotRegularFile, "a folder" };
	if (error == std::errc::no_such_device_or_address)
		return { FileProblem::Kind::NotRegularFile, "a FIFO or device" };
	return { FileProblem::Kind::Other, error.message() };
}

FileProblem ProblemOfLastCall(const std::string& path)
{
	return ProblemOf(std::error_code(errno ? errno : EIO, std::generic_category()), path);
}

FileProblem NotRegularAt(const std::string& path)
{
	std::error_code error;
	const fs::file_status status = fs::status(FromUtf8(path), error);
	if (error || !fs::exists(status) || fs::is_regular_file(status))
		return {};
	return { FileProblem::Kind::NotRegularFile, KindOfFile(status.type()) };
}

} // namespace headless
