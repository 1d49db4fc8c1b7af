#include "c4d_resource.h"

#include "c4d_memory.h"
#include "c4d_os_access.h"

using c4d_sdk::OS;

GeResource g_resource;

Bool GeResource::Init()
{
	return Init(GeGetPluginPath());
}

Bool GeResource::Init(const Filename& path, Bool)
{
	// The folder is remembered from the first call on, even if loading fails.
	if (!_folder)
	{
		_folder = NewObj(Filename);
		// An empty plug-in folder stays empty: joining "res" onto it would
		// name a folder relative to whatever the working directory is.
		if (_folder && path.IsPopulated())
			*_folder = path + Filename("res");
	}

	if (_attempted)
		return _handle != nullptr;
	_attempted = true;

	if (_folder && _folder->IsPopulated())
		_handle = OS().resources->load(c4d_sdk::Access::Path(*_folder));
	if (_handle)
		LoadStrings();
	return _handle != nullptr;
}

void GeResource::LoadStrings()
{
	// Without memory for them the strings read as empty, as without a resource.
	const Int32 count = OS().resources->string_ids(_handle, nullptr, 0);
	maxon::BaseArray<Int32> ids;
	if (count <= 0 || ids.Resize(count) == maxon::FAILED || _strings.Resize(count) == maxon::FAILED)
		return;
	const Int32 listed = OS().resources->string_ids(_handle, ids.GetFirst(), count);
	for (Int32 i = 0; i < count && i < listed; ++i)
	{
		const Int32 id = ids[i];
		_strings[i].id = id;
		_strings[i].text = c4d_sdk::ReadText([this, id](C4DOS_TextSink sink, void* context) { OS().resources->load_string(_handle, id, sink, context); });
	}
}

const String& GeResource::LoadString(Int32 id)
{
	for (Int i = 0; i < _strings.GetCount(); ++i)
	{
		if (_strings[i].id == id)
			return _strings[i].text;
	}
	return _none;
}

void GeResource::Free()
{
	if (_handle)
		OS().resources->free(_handle);
	_handle = nullptr;
	DeleteObj(_folder);
	_attempted = false;
	_strings.Reset();
}

const String& GeLoadString(Int32 id)
{
	return g_resource.LoadString(id);
}

Bool RegisterDescription(Int32 id, const maxon::String& idstr, LocalResource*)
{
	return OS().resources->register_description(id, c4d_sdk::ToText(idstr), c4d_sdk::Access::Resource(g_resource)) != 0;
}
