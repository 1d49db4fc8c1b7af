#include "headless/module_library.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace headless
{

namespace
{

#if defined(_WIN32)
void* OpenLibrary(const std::filesystem::path& file, std::string& error)
{
	HMODULE handle = LoadLibraryW(file.wstring().c_str());
	if (!handle)
		error = "cannot load " + file.string() + " (error " + std::to_string(GetLastError()) + ")";
	return reinterpret_cast<void*>(handle);
}

void* FindSymbol(void* handle, const char* name)
{
	return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}

void CloseLibrary(void* handle)
{
	FreeLibrary(static_cast<HMODULE>(handle));
}
#else
void* OpenLibrary(const std::filesystem::path& file, std::string& error)
{
	void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
	if (!handle)
		error = dlerror();
	return handle;
}

void* FindSymbol(void* handle, const char* name)
{
	return dlsym(handle, name);
}

void CloseLibrary(void* handle)
{
	dlclose(handle);
}
#endif

} // namespace

std::unique_ptr<ModuleLibrary> ModuleLibrary::Open(const std::filesystem::path& file, std::string& error)
{
	void* handle = OpenLibrary(file, error);
	if (!handle)
		return nullptr;
	std::unique_ptr<ModuleLibrary> library(new ModuleLibrary(file, handle));
	library->_main = reinterpret_cast<C4DOS_MainFunction>(FindSymbol(handle, "c4d_main"));
	library->_record = static_cast<const C4DOS_ModuleRecord*>(FindSymbol(handle, "g_maxon"));
	if (!library->_main)
	{
		error = file.string() + " does not export c4d_main";
		return nullptr;
	}
	// A module built for another host's table exports a record of another
	// kind; it is not called, as that host would not call a module of ours.
	if (library->_record && library->_record->marker != C4DOS_RECORD_MARKER)
	{
		error = file.string() + " is not a module for this host: its g_maxon is another kind of module record";
		return nullptr;
	}
	return library;
}

ModuleLibrary::~ModuleLibrary()
{
	CloseLibrary(_handle);
}

} // namespace headless
