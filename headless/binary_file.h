// A binary file as modules use it: numbers in a chosen byte order, one byte
// per bool, and an error state that a failed operation sets and keeps.
#ifndef HEADLESS_BINARY_FILE_H
#define HEADLESS_BINARY_FILE_H

#include <cstdint>
#include <cstdio>
#include <string>

#include "headless/file_problem.h"

namespace headless
{

// FILEERROR values.
enum class FileError : std::int32_t
{
	None = 0,
	Open = -1,
	Close = -2,
	Read = -3,
	Write = -4,
	Seek = -5,
	Invalid = -6,
	OutOfMemory = -7
};

// FILEOPEN values.
enum class FileMode : std::int32_t
{
	Append = 0,
	Read = 1,
	Write = 2,
	ReadWrite = 3
};

class BinaryFile
{
public:
	BinaryFile() = default;
	~BinaryFile();
	BinaryFile(const BinaryFile&) = delete;
	BinaryFile& operator=(const BinaryFile&) = delete;

	// `bigEndian` is the byte order of every number read or written. Only a
	// regular file opens: a folder, FIFO, device or socket fails at once.
	bool Open(const std::string& path, FileMode mode, bool bigEndian);
	// False when the file was not open or its bytes could not all be stored.
	bool Close();
	bool IsOpen() const { return _file != nullptr; }
	// The file as opened, and whether it was opened to be written.
	const std::string& Path() const { return _path; }
	bool Writing() const { return _writing; }

	// Reads `length` bytes, or as many as there are; short reads set Read unless `justTry`.
	std::int64_t Read(void* data, std::int64_t length, bool justTry);
	bool Write(const void* data, std::int64_t length);
	// Numbers in the file's byte order.
	bool ReadNumber(void* value, std::size_t size);
	bool WriteNumber(const void* value, std::size_t size);

	FileError Error() const { return _error; }
	// Why the last open, write or close failed, as the system said it.
	const FileProblem& Problem() const { return _problem; }
	void SetError(FileError error) { _error = error; }
	std::int64_t Length() const;
	std::int64_t Position() const;

private:
	std::FILE* _file = nullptr;
	std::string _path;
	bool _bigEndian = true;
	bool _writing = false;
	FileError _error = FileError::None;
	FileProblem _problem;
};

} // namespace headless

#endif
