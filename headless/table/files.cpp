// Binary files: presets and any other file a module reads or writes.
#include <algorithm>

#include "headless/binary_file.h"
#include "headless/table/entry_support.h"
#include "headless/table/families.h"

namespace headless
{

namespace
{

constexpr int32_t BYTEORDER_MOTOROLA = 1;
constexpr int32_t BYTEORDER_INTEL = 2;

C4DOS_File* Alloc() noexcept
{
	return AllocHandle<C4DOS_File>("files.alloc", H().files);
}

void Free(C4DOS_File* file) noexcept
{
	FreeHandle("files.free", H().files, file, "file");
}

const char* ModeName(int32_t mode)
{
	switch (mode)
	{
		case 0: return "append";
		case 1: return "read";
		case 2: return "write";
		case 3: return "read and write";
		default: return "unknown";
	}
}

FileEvent EventOf(const char* entry, const BinaryFile& file)
{
	FileEvent event;
	event.entry = entry;
	event.path = AbsolutePath(file.Path());
	return event;
}

// Runs a read or write and puts it into the host's file history: where it
// started, how far it got, and the number or the first bytes it moved.
template <typename ACCESS> bool Record(const char* entry, BinaryFile& file, std::int64_t length, ACCESS&& access)
{
	FileEvent event = EventOf(entry, file);
	event.position = file.Position();
	event.length = length;
	const bool succeeded = access(event);
	event.succeeded = succeeded;
	event.done = file.Position() - event.position;
	if (!succeeded)
		event.problem = file.Problem();
	H().fileHistory.Add(std::move(event));
	return succeeded;
}

std::string FirstBytes(const void* data, std::int64_t length)
{
	if (!data || length <= 0)
		return {};
	const auto kept = std::min(static_cast<std::size_t>(length), FileEvent::BYTES_KEPT);
	return std::string(static_cast<const char*>(data), kept);
}

// Runs an operation on a valid file; a planned fault fails it with `error`.
template <typename RESULT, typename OPERATION>
RESULT Operate(const char* entry, const C4DOS_File* handle, RESULT failure, FileError error, OPERATION&& operation) noexcept
{
	return Guard(entry, failure, [&]() -> RESULT {
		BinaryFile* file = CheckFile(handle, entry);
		if (!file)
			return failure;
		if (H().faults.ShouldFail(entry))
		{
			file->SetError(error);
			return failure;
		}
		return operation(*file);
	});
}

C4DOS_Bool Open(C4DOS_File* handle, const C4DOS_Path* name, int32_t mode, int32_t, int32_t order, int32_t, int32_t) noexcept
{
	return Operate("files.open", handle, C4DOS_Bool { 0 }, FileError::Open, [&](BinaryFile& file) -> C4DOS_Bool {
		Path* path = CheckPath(name, "files.open");
		if (!path || (order != BYTEORDER_MOTOROLA && order != BYTEORDER_INTEL))
		{
			file.SetError(FileError::Open);
			return 0;
		}
		const bool opened = file.Open(path->text, static_cast<FileMode>(mode), order == BYTEORDER_MOTOROLA);
		FileEvent event;
		event.entry = "files.open";
		event.path = AbsolutePath(path->text);
		event.mode = ModeName(mode);
		event.succeeded = opened;
		event.problem = file.Problem();
		H().fileHistory.Add(std::move(event));
		return opened;
	});
}

C4DOS_Bool Close(C4DOS_File* handle) noexcept
{
	return Operate("files.close", handle, C4DOS_Bool { 0 }, FileError::Close, [](BinaryFile& file) -> C4DOS_Bool {
		const bool writing = file.Writing();
		FileEvent event = EventOf("files.close", file);
		event.succeeded = file.Close();
		event.problem = file.Problem();
		const bool closed = event.succeeded;
		H().fileHistory.Add(std::move(event));
		if (!closed)
			return 0;
		if (writing)
			H().placedFiles.Written(AbsolutePath(file.Path()));
		return 1;
	});
}

template <typename T> C4DOS_Bool ReadNumber(const char* entry, C4DOS_File* handle, T* value) noexcept
{
	return Operate(entry, handle, C4DOS_Bool { 0 }, FileError::Read, [&](BinaryFile& file) -> C4DOS_Bool {
		if (!value)
		{
			H().protocol.Fault(entry, "no place for the value");
			return 0;
		}
		return Record(entry, file, sizeof(T), [&](FileEvent& event) {
			const bool read = file.ReadNumber(value, sizeof(T));
			if (read)
				event.number = static_cast<double>(*value);
			return read;
		});
	});
}

template <typename T> C4DOS_Bool WriteNumber(const char* entry, C4DOS_File* handle, T value) noexcept
{
	return Operate(entry, handle, C4DOS_Bool { 0 }, FileError::Write, [&](BinaryFile& file) -> C4DOS_Bool {
		return Record(entry, file, sizeof(T), [&](FileEvent& event) {
			event.number = static_cast<double>(value);
			return file.WriteNumber(&value, sizeof(T));
		});
	});
}

C4DOS_Bool ReadBool(C4DOS_File* handle, C4DOS_Bool* value) noexcept
{
	unsigned char byte = 0;
	const C4DOS_Bool read = ReadNumber("files.read_bool", handle, &byte);
	if (read && value)
		*value = byte != 0;
	return read;
}

C4DOS_Bool ReadInt32(C4DOS_File* handle, int32_t* value) noexcept
{
	return ReadNumber("files.read_int32", handle, value);
}

C4DOS_Bool ReadFloat32(C4DOS_File* handle, float* value) noexcept
{
	return ReadNumber("files.read_float32", handle, value);
}

int64_t ReadBytes(C4DOS_File* handle, void* data, int64_t length, C4DOS_Bool justTry) noexcept
{
	return Operate("files.read_bytes", handle, int64_t { 0 }, FileError::Read, [&](BinaryFile& file) -> int64_t {
		int64_t read = 0;
		Record("files.read_bytes", file, length, [&](FileEvent& event) {
			read = file.Read(data, length, justTry != 0);
			event.bytes = FirstBytes(data, read);
			return read == length;
		});
		return read;
	});
}

C4DOS_Bool WriteBool(C4DOS_File* handle, C4DOS_Bool value) noexcept
{
	return WriteNumber("files.write_bool", handle, static_cast<unsigned char>(value ? 1 : 0));
}

C4DOS_Bool WriteInt32(C4DOS_File* handle, int32_t value) noexcept
{
	return WriteNumber("files.write_int32", handle, value);
}

C4DOS_Bool WriteFloat32(C4DOS_File* handle, float value) noexcept
{
	return WriteNumber("files.write_float32", handle, value);
}

C4DOS_Bool WriteBytes(C4DOS_File* handle, const void* data, int64_t length) noexcept
{
	return Operate("files.write_bytes", handle, C4DOS_Bool { 0 }, FileError::Write, [&](BinaryFile& file) -> C4DOS_Bool {
		return Record("files.write_bytes", file, length, [&](FileEvent& event) {
			event.bytes = FirstBytes(data, length);
			return file.Write(data, length);
		});
	});
}

int32_t GetError(const C4DOS_File* handle) noexcept
{
	return Guard("files.get_error", static_cast<int32_t>(FileError::Invalid), [&]() -> int32_t {
		BinaryFile* file = CheckFile(handle, "files.get_error");
		return static_cast<int32_t>(file ? file->Error() : FileError::Invalid);
	});
}

void SetError(C4DOS_File* handle, int32_t error) noexcept
{
	GuardVoid("files.set_error", [&] {
		if (BinaryFile* file = CheckFile(handle, "files.set_error"))
			file->SetError(static_cast<FileError>(error));
	});
}

int64_t GetLength(const C4DOS_File* handle) noexcept
{
	return Guard("files.get_length", int64_t { -1 }, [&]() -> int64_t {
		BinaryFile* file = CheckFile(handle, "files.get_length");
		return file ? file->Length() : -1;
	});
}

int64_t GetPosition(const C4DOS_File* handle) noexcept
{
	return Guard("files.get_position", int64_t { -1 }, [&]() -> int64_t {
		BinaryFile* file = CheckFile(handle, "files.get_position");
		return file ? file->Position() : -1;
	});
}

const C4DOS_Files ENTRIES = { &Alloc, &Free, &Open, &Close, &ReadBool, &ReadInt32, &ReadFloat32, &ReadBytes, &WriteBool, &WriteInt32, &WriteFloat32,
	&WriteBytes, &GetError, &SetError, &GetLength, &GetPosition };

} // namespace

const C4DOS_Files* FileEntries()
{
	return &ENTRIES;
}

} // namespace headless
