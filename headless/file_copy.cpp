#include "headless/file_copy.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>

#if defined(_WIN32)
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "headless/new_file.h"
#include "headless/paths.h"

namespace headless
{

namespace fs = std::filesystem;

namespace
{

bool MayWrite(const fs::path& file)
{
	if (IsReadOnly(ToUtf8(file)))
		return false;
#if defined(_WIN32)
	return true;
#else
	return access(file.c_str(), W_OK) == 0;
#endif
}

// Whether `file` is more than its name: a file with other hard links, or on
// POSIX systems one that another user owns. Another file put in its place
// would leave the links with the old bytes and take the owner.
bool SharedWithOthers(const fs::path& file)
{
#if defined(_WIN32)
	const HANDLE handle = CreateFileW(file.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
	if (handle == INVALID_HANDLE_VALUE)
		return false;
	BY_HANDLE_FILE_INFORMATION information {};
	const bool linked = GetFileInformationByHandle(handle, &information) && information.nNumberOfLinks > 1;
	CloseHandle(handle);
	return linked;
#else
	struct stat status {};
	return stat(file.c_str(), &status) == 0 && (status.st_nlink > 1 || status.st_uid != geteuid());
#endif
}

// `target` opened to be written over without being cut; null with errno
// set when it cannot be.
std::FILE* OpenToWriteOver(const fs::path& target)
{
#if defined(_WIN32)
	return _wfopen(target.c_str(), L"r+b");
#else
	const int descriptor = open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
	std::FILE* file = descriptor < 0 ? nullptr : fdopen(descriptor, "wb");
	if (descriptor >= 0 && !file)
		close(descriptor);
	return file;
#endif
}

bool CutTo(std::FILE* file, std::size_t length)
{
#if defined(_WIN32)
	return _chsize_s(_fileno(file), static_cast<long long>(length)) == 0;
#else
	return ftruncate(fileno(file), static_cast<off_t>(length)) == 0;
#endif
}

// `bytes` over the bytes of `target` itself, which stays the same file with
// its owner, links and permissions. Written first and cut to length after,
// so that a write that fails leaves as much of the file as it can.
FileProblem WriteInPlace(const std::string& bytes, const fs::path& target)
{
	errno = 0;
	std::FILE* file = OpenToWriteOver(target);
	if (!file)
		return ProblemOfLastCall(ToUtf8(target));
	const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0 && CutTo(file, bytes.size());
	FileProblem problem = written ? FileProblem {} : ProblemOfLastCall(ToUtf8(target));
	if (std::fclose(file) != 0 && !problem)
		problem = ProblemOfLastCall(ToUtf8(target));
	return problem;
}

// A name beside `file` that nothing has yet, as it was when asked: short and
// of one length whatever the file is called, so that it fits wherever the
// file's own name does.
fs::path NameBeside(const fs::path& file, std::mt19937_64& random)
{
	char name[32];
	std::snprintf(name, sizeof name, ".copy-%016llx", static_cast<unsigned long long>(random()));
	return file.parent_path() / name;
}

// `bytes` into a new file beside `target`, which then takes the target's place.
FileProblem PutInPlace(const std::string& bytes, const fs::path& target, const fs::perms* permissions)
{
	std::mt19937_64 random(std::random_device {}());
	fs::path beside;
	std::FILE* file = nullptr;
	for (int attempt = 0; attempt < 16 && !file; ++attempt)
	{
		beside = NameBeside(target, random);
		file = CreateExclusively(beside);
	}
	if (!file)
		return ProblemOfLastCall(ToUtf8(target));
	errno = 0;
	const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
	FileProblem problem = written ? FileProblem {} : ProblemOfLastCall(ToUtf8(target));
	if (std::fclose(file) != 0 && !problem)
		problem = ProblemOfLastCall(ToUtf8(target));
	std::error_code error;
	if (!problem && permissions)
		fs::permissions(beside, *permissions, error);
	if (!problem && !error)
		fs::rename(beside, target, error);
	if (!problem && error)
		problem = ProblemOf(error, ToUtf8(target));
	if (problem)
		fs::remove(beside, error);
	return problem;
}

} // namespace

FileProblem CopyFileOver(const std::string& source, const std::string& destination, bool overwrite)
{
	if (FileProblem problem = NotRegularAt(source))
		return problem;
	std::ifstream input(FromUtf8(source), std::ios::binary);
	if (!input)
		return ProblemOf(std::make_error_code(std::errc::no_such_file_or_directory), source);
	const std::string bytes((std::istreambuf_iterator<char>(input)), std::istreambuf_iterator<char>());
	if (input.bad())
		return { FileProblem::Kind::Other, "it could not be read" };

	const fs::path named = FromUtf8(destination);
	std::error_code error;
	const fs::file_status link = fs::symlink_status(named, error);
	if (error && error != std::errc::no_such_file_or_directory)
		return ProblemOf(error, destination);
	if (!fs::exists(link))
		return PutInPlace(bytes, named, nullptr);

	// What the name stands for: the file itself, or the file its links lead to.
	const fs::path target = fs::canonical(named, error);
	if (error)
		return ProblemOf(error, destination);
	if (FileProblem problem = NotRegularAt(ToUtf8(target)))
		return problem;
	if (!overwrite)
		return { FileProblem::Kind::Other, "a file is there already" };
	if (!MayWrite(target))
		return { FileProblem::Kind::PermissionDenied, {} };
	if (SharedWithOthers(target))
		return WriteInPlace(bytes, target);
	const fs::perms permissions = fs::status(target, error).permissions();
	if (error)
		return ProblemOf(error, destination);
	return PutInPlace(bytes, target, &permissions);
}

} // namespace headless
