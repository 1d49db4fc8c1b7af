#include "c4d_file.h"

#include <cstring>

#include "c4d_memory.h"
#include "c4d_os_access.h"
#include "c4d_sdk_state.h"

using c4d_sdk::OS;

Filename::Filename() : _path(OS().paths->alloc())
{
	if (!_path)
		c4d_sdk::NoteHandleFailure();
}

Filename::Filename(const maxon::String& path) : Filename()
{
	if (_path)
		OS().paths->set_string(_path, c4d_sdk::ToText(path));
}

Filename::Filename(const Char* path) : Filename()
{
	// Straight to the host: a path from a literal takes no memory of the module's.
	if (_path && path)
		OS().paths->set_string(_path, C4DOS_Text { path, static_cast<int64_t>(std::strlen(path)) });
}

Filename::Filename(const Filename& source) : Filename()
{
	if (_path && source._path)
		OS().paths->copy(_path, source._path);
}

const Filename& Filename::operator=(const Filename& source)
{
	if (this != &source && _path && source._path)
		OS().paths->copy(_path, source._path);
	return *this;
}

Filename::~Filename()
{
	OS().paths->free(_path);
}

const Filename Filename::GetDirectory() const
{
	Filename directory;
	if (directory._path && _path)
		OS().paths->get_directory(directory._path, _path);
	return directory;
}

void Filename::SetDirectory(const Filename& directory)
{
	if (_path && directory._path)
		OS().paths->set_directory(_path, directory._path);
}

const Filename Filename::GetFile() const
{
	Filename file;
	if (file._path && _path)
		OS().paths->get_file(file._path, _path);
	return file;
}

void Filename::SetFile(const Filename& file)
{
	if (_path && file._path)
		OS().paths->set_file(_path, file._path);
}

String Filename::GetString() const
{
	if (!_path)
		return String();
	return c4d_sdk::ReadText([this](C4DOS_TextSink sink, void* context) { OS().paths->get_string(_path, sink, context); });
}

String Filename::GetSuffix() const
{
	if (!_path)
		return String();
	return c4d_sdk::ReadText([this](C4DOS_TextSink sink, void* context) { OS().paths->get_suffix(_path, sink, context); });
}

void Filename::SetSuffix(const maxon::String& suffix)
{
	if (_path)
		OS().paths->set_suffix(_path, c4d_sdk::ToText(suffix));
}

Bool Filename::CheckSuffix(const maxon::String& suffix) const
{
	return _path && OS().paths->check_suffix(_path, c4d_sdk::ToText(suffix)) != 0;
}

Bool Filename::IsPopulated() const
{
	return GetString().IsPopulated();
}

const Filename operator+(const Filename& base, const Filename& component)
{
	Filename joined;
	if (joined._path && base._path && component._path)
		OS().paths->join(joined._path, base._path, component._path);
	return joined;
}

Bool Filename::FileSelect(FILESELECTTYPE type, FILESELECT flags, const maxon::String& title, const maxon::String& force_suffix)
{
	return _path &&
		OS().paths->select_file(_path, static_cast<int32_t>(type), static_cast<int32_t>(flags), c4d_sdk::ToText(title), c4d_sdk::ToText(force_suffix)) != 0;
}

Bool GeFKill(const Filename& name, Int32)
{
	return c4d_sdk::Access::Path(name) && OS().paths->kill(c4d_sdk::Access::Path(name)) != 0;
}

Bool GeFRename(const Filename& source, const Filename& destination)
{
	return c4d_sdk::Access::Path(source) && c4d_sdk::Access::Path(destination) && OS().paths->rename(c4d_sdk::Access::Path(source), c4d_sdk::Access::Path(destination)) != 0;
}

Bool GeFCopyFile(const Filename& source, const Filename& dest, Int32 flags)
{
	C4DOS_Path* from = c4d_sdk::Access::Path(source);
	C4DOS_Path* to = c4d_sdk::Access::Path(dest);
	return from && to && OS().paths->copy_file(from, to, flags) != 0;
}

Bool GeFExist(const Filename& name, Bool isdir)
{
	return c4d_sdk::Access::Path(name) && OS().paths->exists(c4d_sdk::Access::Path(name), isdir ? 1 : 0) != 0;
}

const Filename GeGetPluginPath()
{
	const Filename* modulePath = c4d_sdk::ModulePath();
	if (!modulePath)
		return Filename();
	return modulePath->GetDirectory();
}
