#include "c4d_resource.h"

#include "c4d_memory.h"
#include "c4d_os_access.h"

using c4d_sdk::OS;

GeResource g_resource;

Bool GeResource::Init()
{
	return Init(GeGetPluginPath());
}

Bool GeResource::Init(const Filename& path)
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
		_handle = OS().resources->load(_folder->GetHandle());
	return _handle != nullptr;
}

const String& GeResource::LoadString(Int32 id)
{
	auto known = _strings.find(id);
	if (known != _strings.end())
		return known->second;
	String text;
	if (_handle)
		text = c4d_sdk::ReadText([this, id](C4DOS_TextSink sink, void* context) { OS().resources->load_string(_handle, id, sink, context); });
	return _strings.emplace(id, text).first->second;
}

void GeResource::Free()
{
	if (_handle)
		OS().resources->free(_handle);
	_handle = nullptr;
	DeleteObj(_folder);
	_attempted = false;
	_strings.clear();
}

const String& GeLoadString(Int32 id)
{
	return g_resource.LoadString(id);
}

Bool RegisterDescription(Int32 id, const String& idstr, LocalResource*)
{
	return OS().resources->register_description(id, c4d_sdk::ToText(idstr), g_resource.GetHandle()) != 0;
}
