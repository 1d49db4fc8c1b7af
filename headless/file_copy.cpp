#include "headless/file_copy.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "headless/paths.h"

namespace headless
{

namespace fs = std::filesystem;

namespace
{

// A new file that no other file or link was at, opened for writing; null when
// the name is taken.
std::FILE* CreateExclusively(const fs::path& path)
{
#if defined(_WIN32)
	const int descriptor = _wopen(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
	return descriptor < 0 ? nullptr : _fdopen(descriptor, "wb");
#else
	const int descriptor = open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0666);
	return descriptor < 0 ? nullptr : fdopen(descriptor, "wb");
#endif
}

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

// A name beside `file` that nothing has yet, as it was when asked.
fs::path NameBeside(const fs::path& file, std::mt19937_64& random)
{
	return file.parent_path() / (file.filename().native() + fs::path(".copy-" + std::to_string(random())).native());
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
		return ProblemOf(std::error_code(errno, std::generic_category()), ToUtf8(beside));
	const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
	const bool closed = std::fclose(file) == 0;
	std::error_code error;
	if (written && closed && permissions)
		fs::permissions(beside, *permissions, error);
	if (written && closed && !error)
		fs::rename(beside, target, error);
	if (!written || !closed || error)
	{
		const FileProblem problem = error ? ProblemOf(error, ToUtf8(target)) : FileProblem { FileProblem::Kind::Other, "the copy could not be stored" };
		fs::remove(beside, error);
		return problem;
	}
	return {};
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
	const fs::perms permissions = fs::status(target, error).permissions();
	if (error)
		return ProblemOf(error, destination);
	return PutInPlace(bytes, target, &permissions);
}

} // namespace headless
