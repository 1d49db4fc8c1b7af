// A module file loaded into the host process, with its two entry symbols.
#ifndef HEADLESS_MODULE_LIBRARY_H
#define HEADLESS_MODULE_LIBRARY_H

#include <filesystem>
#include <memory>
#include <string>

#include "host/abi/c4d_os.h"

namespace headless
{

class ModuleLibrary
{
public:
	// Loads `file`; null with `error` set when it cannot be loaded or does not export c4d_main.
	static std::unique_ptr<ModuleLibrary> Open(const std::filesystem::path& file, std::string& error);
	~ModuleLibrary();
	ModuleLibrary(const ModuleLibrary&) = delete;
	ModuleLibrary& operator=(const ModuleLibrary&) = delete;

	const std::filesystem::path& File() const { return _file; }
	C4DOS_MainFunction Main() const { return _main; }
	// The module record, or null when the module exports none.
	const C4DOS_ModuleRecord* Record() const { return _record; }

private:
	ModuleLibrary(std::filesystem::path file, void* handle) : _file(std::move(file)), _handle(handle) { }

	std::filesystem::path _file;
	void* _handle;
	C4DOS_MainFunction _main = nullptr;
	const C4DOS_ModuleRecord* _record = nullptr;
};

} // namespace headless

#endif
