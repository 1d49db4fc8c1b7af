#include "headless/binary_file.h"

#include <algorithm>
#include <bit>
#include <cstring>

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

std::FILE* OpenFile(const std::string& path, const char* mode)
{
#if defined(_WIN32)
	const std::wstring wide = FromUtf8(path).wstring();
	const std::wstring wideMode(mode, mode + std::strlen(mode));
	return _wfopen(wide.c_str(), wideMode.c_str());
#else
	return std::fopen(path.c_str(), mode);
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
	const char* modes[] = { "ab", "rb", "wb", "r+b" };
	const auto index = static_cast<std::size_t>(mode);
	// A file marked read-only is not opened for writing, whoever asks.
	if (_file || path.empty() || index >= std::size(modes) || (mode != FileMode::Read && IsReadOnly(path)))
	{
		_error = FileError::Open;
		return false;
	}
	_file = OpenFile(path, modes[index]);
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
	const bool flushed = std::fflush(_file) == 0 && !std::ferror(_file);
	const bool closed = std::fclose(_file) == 0;
	_file = nullptr;
	if (!flushed || !closed)
		_error = FileError::Close;
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
	if (length > 0 && std::fwrite(data, 1, static_cast<std::size_t>(length), _file) != static_cast<std::size_t>(length))
	{
		_error = FileError::Write;
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
