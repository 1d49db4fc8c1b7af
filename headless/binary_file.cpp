#include "headless/binary_file.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

#include "headless/new_file.h"
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

const char* const MODES[] = { "ab", "rb", "wb", "r+b" };

// The file at `path` if there is one, opened in `mode`; null, with the
// reason in `problem`, otherwise.
#if defined(_WIN32)
std::FILE* OpenExisting(const std::string& path, FileMode mode, FileProblem& problem)
{
	const int flags[] = { _O_WRONLY | _O_APPEND, _O_RDONLY, _O_WRONLY | _O_TRUNC, _O_RDWR };
	const auto index = static_cast<std::size_t>(mode);
	const int descriptor = _wopen(FromUtf8(path).c_str(), flags[index] | _O_BINARY);
	std::FILE* file = descriptor < 0 ? nullptr : _fdopen(descriptor, MODES[index]);
	if (!file)
		problem = ProblemOfLastCall(path);
	if (descriptor >= 0 && !file)
		_close(descriptor);
	return file;
}
#else
// The open itself does not wait (a FIFO without a writer would block it for
// ever) and the opened file is checked again, so nothing put in the file's
// place after the first look is read or written. A file is written over
// only where its name is no link; appending, as a probe does, goes through one.
std::FILE* OpenExisting(const std::string& path, FileMode mode, FileProblem& problem)
{
	const int flags[] = { O_WRONLY | O_APPEND, O_RDONLY, O_WRONLY | O_TRUNC | O_NOFOLLOW, O_RDWR };
	const auto index = static_cast<std::size_t>(mode);
	const int descriptor = open(path.c_str(), flags[index] | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
	if (descriptor < 0)
	{
		problem = ProblemOfLastCall(path);
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
	std::FILE* file = fdopen(descriptor, MODES[index]);
	if (!file)
	{
		problem = ProblemOfLastCall(path);
		close(descriptor);
	}
	return file;
}
#endif

// Opens regular files only: a folder, FIFO, device or socket fails at once.
// A file that is not there is created, for writing or appending, exclusively.
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
	std::FILE* file = OpenExisting(path, mode, problem);
	if (file || problem.kind != FileProblem::Kind::NoSuchFile || (mode != FileMode::Write && mode != FileMode::Append))
		return file;
	file = CreateExclusively(FromUtf8(path));
	problem = file ? FileProblem {} : ProblemOfLastCall(path);
	return file;
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
		_problem = ProblemOfLastCall(_path);
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
		_problem = ProblemOfLastCall(_path);
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
