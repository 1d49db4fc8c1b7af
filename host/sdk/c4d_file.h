// Files: Filename (a host path) and the file-system queries.
#ifndef C4D_FILE_H__
#define C4D_FILE_H__

#include "c4d_basictypes.h"
#include "c4d_os.h"

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

// A path held by the host. When the host has no memory for it, the Filename
// is empty and stays empty: every query answers empty or false.
class Filename
{
public:
	Filename();
	Filename(const String& path);
	Filename(const Char* path);
	Filename(const Filename& source);
	Filename& operator=(const Filename& source);
	~Filename();

	Filename GetDirectory() const;
	void SetDirectory(const Filename& directory);
	Filename GetFile() const;
	void SetFile(const Filename& file);
	String GetString() const;
	String GetSuffix() const;
	void SetSuffix(const String& suffix);
	Bool CheckSuffix(const String& suffix) const;
	Bool IsPopulated() const;

	friend Filename operator+(const Filename& base, const Filename& component);

	// The SDK's own access to the handle.
	const C4DOS_Path* GetHandle() const { return _path; }

private:
	C4DOS_Path* _path;
};

Bool GeFExist(const Filename& name, Bool isdir = false);

// The folder that holds the module file; empty when the host gave no path.
const Filename GeGetPluginPath();

#endif
