// Files: Filename (a host path) and the file-system queries.
#ifndef C4D_FILE_H__
#define C4D_FILE_H__

#include "c4d_string.h"
#include "c4d_os.h"

namespace c4d_sdk
{
struct Access;
}

enum class FILESELECTTYPE : Int32
{
	ANYTHING = 0,
	IMAGES = 1,
	SCENES = 2
};

enum class FILESELECT : Int32
{
	LOAD = 0,
	SAVE = 1,
	DIRECTORY = 2
};

enum class FILEOPEN : Int32
{
	APPEND = 0,
	READ = 1,
	WRITE = 2,
	READWRITE = 3
};

enum class FILEDIALOG : Int32
{
	NONE = 0,
	ANY = 1,
	IGNOREOPEN = 2
};

enum class BYTEORDER : Int32
{
	V_MOTOROLA = 1,
	V_INTEL = 2
};

enum class FILEERROR : Int32
{
	NONE = 0,
	OPEN = -1,
	CLOSE = -2,
	READ = -3,
	WRITE = -4,
	SEEK = -5,
	INVALID = -6,
	OUTOFMEMORY = -7
};

// A path held by the host. When the host has no memory for it, the Filename
// is empty and stays empty: every query answers empty or false, and whatever
// is assigned or joined to it is lost. A path that must not be empty is
// checked with IsPopulated() once it is made. NewObj hands out no object
// whose Filename got no host path.
class Filename
{
public:
	Filename();
	Filename(const maxon::String& path);
	Filename(const Char* path);
	Filename(const Filename& source);
	const Filename& operator=(const Filename& source);
	~Filename();

	const Filename GetDirectory() const;
	void SetDirectory(const Filename& directory);
	const Filename GetFile() const;
	void SetFile(const Filename& file);
	String GetString() const;
	String GetSuffix() const;
	void SetSuffix(const maxon::String& suffix);
	Bool CheckSuffix(const maxon::String& suffix) const;
	Bool IsPopulated() const;
	// The host's file dialog, starting from this path; true when the user
	// chose a file, whose path then replaces this one.
	Bool FileSelect(FILESELECTTYPE type, FILESELECT flags, const maxon::String& title, const maxon::String& force_suffix = maxon::String());

	friend const Filename operator+(const Filename& base, const Filename& component);

private:
	C4DOS_Path* _path;

	friend struct c4d_sdk::Access;
};

Bool GeFExist(const Filename& name, Bool isdir = false);
// Deletes a file; false when it could not be deleted.
Bool GeFKill(const Filename& name, Int32 flags = 0);
// Renames a file, replacing a file already at `destination`.
Bool GeFRename(const Filename& source, const Filename& destination);

// Copy flags.
#define GE_FCOPY_OVERWRITE 1        // replace a file already at the destination
#define GE_FCOPY_DONTCOPYREADONLY 2 // do not copy a read-only flag

// Copies a file; false when it could not be copied.
Bool GeFCopyFile(const Filename& source, const Filename& dest, Int32 flags);

// A binary file held by the host. Numbers are read and written in the byte
// order given to Open; a failed operation sets the error state.
class BaseFile
{
public:
	static BaseFile* Alloc();
	// Closes the file if it is open.
	static void Free(BaseFile*& fl);

	Bool Open(const Filename& name, FILEOPEN mode = FILEOPEN::READ, FILEDIALOG error_dialog = FILEDIALOG::IGNOREOPEN,
		BYTEORDER order = BYTEORDER::V_MOTOROLA, Int32 type = 0x43344443, Int32 creator = 0x43344431);
	Bool Close();

	Bool ReadBool(Bool* v);
	Bool ReadInt32(Int32* v);
	Bool ReadFloat32(Float32* v);
	Int ReadBytes(void* data, Int len, Bool just_try_it = false);
	Bool WriteBool(Bool v);
	Bool WriteInt32(Int32 v);
	Bool WriteFloat32(Float32 v);
	Bool WriteBytes(const void* data, Int len);

	FILEERROR GetError() const;
	void SetError(FILEERROR error);
	Int64 GetLength();
	Int64 GetPosition();

	BaseFile() = delete;
	~BaseFile() = delete;
};

// The folder that holds the module file; empty when the host gave no path.
const Filename GeGetPluginPath();

#endif
