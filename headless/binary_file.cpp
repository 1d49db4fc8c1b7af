#include "headless/binary_file.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "headless/paths.h"

namespace headless
{

namespace
{

// Puts a number's bytes into the file's order (or back), in place.
void Arrange(unsigned char* bytes, std::size_t size, bool bigEndian)
{
	if (bigEndian == (std::endian::native == std::endian::big))
		return;
	std::reverse(bytes, bytes + size);
}

// Opens regular files only: a folder, FIFO, device or socket fails at once.
// On POSIX systems the open itself does not wait (a FIFO without a writer
// would block it for ever) and the opened file is checked again, so nothing
// put in the file's place after the first look is read or written.
std::FILE* OpenRegularFile(const std::string& path, FileMode mode, FileProblem& problem)
{
	problem = NotRegularAt(path);
	if (problem)
		return nullptr;
	// A file marked read-only is not opened for writing, whoever asks.
	if (mode != FileMode::Read && IsReadOnly(path))
	{
		problem = { FileProblem::Kind::PermissionDenied, {} };
		return nullptr;
	}
#if defined(_WIN32)
	const wchar_t* modes[] = { L"ab", L"rb", L"wb", L"r+b" };
	std::FILE* file = _wfopen(FromUtf8(path).wstring().c_str(), modes[static_cast<std::size_t>(mode)]);
	if (!file)
		problem = ProblemOf(std::error_code(errno, std::generic_category()), path);
	return file;
#else
	// A file created for writing is never created through a link.
	const int flags[] = { O_WRONLY | O_CREAT | O_APPEND, O_RDONLY, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW, O_RDWR };
	const char* modes[] = { "ab", "rb", "wb", "r+b" };
	const auto index = static_cast<std::size_t>(mode);
	const int descriptor = open(path.c_str(), flags[index] | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
	if (descriptor < 0)
	{
		problem = ProblemOf(std::error_code(errno, std::generic_category()), path);
		return nullptr;
	}
	struct stat opened {};
	if (fstat(descriptor, &opened) != 0 || !S_ISREG(opened.st_mode))
	{
		close(descriptor);
		problem = { FileProblem::Kind::NotRegularFile, "not a file" };
		return nullptr;
	}
	fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
	std::FILE* file = fdopen(descriptor, modes[index]);
	if (!file)
	{
		problem = ProblemOf(std::error_code(errno, std::generic_category()), path);
		close(descriptor);
	}
	return file;
#endif
}

} // namespace

BinaryFile::~BinaryFile()
{
	if (_file)
		std::fclose(_file);
}

bool BinaryFile::Open(const std::string& path, FileMode mode, bool bigEndian)
{
	_problem = {};
	const auto index = static_cast<std::size_t>(mode);
	if (_file || path.empty() || index > static_cast<std::size_t>(FileMode::ReadWrite))
	{
		if (path.empty())
			_problem = { FileProblem::Kind::NoSuchFile, {} };
		else
			_problem = { FileProblem::Kind::Other, _file ? "a file is already open" : "no such open mode" };
		_error = FileError::Open;
		return false;
	}
	_file = OpenRegularFile(path, mode, _problem);
	if (!_file)
	{
		_error = FileError::Open;
		return false;
	}
	_path = path;
	_bigEndian = bigEndian;
	_writing = mode != FileMode::Read;
	_error = FileError::None;
	return true;
}

bool BinaryFile::Close()
{
	if (!_file)
	{
		_error = FileError::Close;
		return false;
	}
	errno = 0;
	const bool flushed = std::fflush(_file) == 0 && !std::ferror(_file);
	const bool closed = std::fclose(_file) == 0;
	_file = nullptr;
	if (!flushed || !closed)
	{
		_error = FileError::Close;
		_problem = ProblemOf(std::error_code(errno ? errno : EIO, std::generic_category()), _path);
	}
	return flushed && closed;
}

std::int64_t BinaryFile::Read(void* data, std::int64_t length, bool justTry)
{
	if (!_file || _writing || length < 0 || (length > 0 && !data))
	{
		_error = FileError::Read;
		return 0;
	}
	const std::size_t read = std::fread(data, 1, static_cast<std::size_t>(length), _file);
	if (static_cast<std::int64_t>(read) < length && !justTry)
		_error = FileError::Read;
	return static_cast<std::int64_t>(read);
}

bool BinaryFile::Write(const void* data, std::int64_t length)
{
	if (!_file || !_writing || length < 0 || (length > 0 && !data))
	{
		_error = FileError::Write;
		return false;
	}
	errno = 0;
	if (length > 0 && std::fwrite(data, 1, static_cast<std::size_t>(length), _file) != static_cast<std::size_t>(length))
	{
		_error = FileError::Write;
		_problem = ProblemOf(std::error_code(errno ? errno : EIO, std::generic_category()), _path);
		return false;
	}
	return true;
}

bool BinaryFile::ReadNumber(void* value, std::size_t size)
{
	unsigned char bytes[8] = {};
	if (size > sizeof bytes || Read(bytes, static_cast<std::int64_t>(size), false) != static_cast<std::int64_t>(size))
		return false;
	Arrange(bytes, size, _bigEndian);
	std::memcpy(value, bytes, size);
	return true;
}

bool BinaryFile::WriteNumber(const void* value, std::size_t size)
{
	unsigned char bytes[8] = {};
	if (size > sizeof bytes)
		return false;
	std::memcpy(bytes, value, size);
	Arrange(bytes, size, _bigEndian);
	return Write(bytes, static_cast<std::int64_t>(size));
}

std::int64_t BinaryFile::Length() const
{
	if (!_file)
		return -1;
	const long here = std::ftell(_file);
	std::fseek(_file, 0, SEEK_END);
	const long end = std::ftell(_file);
	std::fseek(_file, here, SEEK_SET);
	return end;
}

std::int64_t BinaryFile::Position() const
{
	return _file ? std::ftell(_file) : -1;
}

} // namespace headless
