// A plug-in folder of its own for one test: a copy of the built module with
// whatever of res/ and presets/ the test wants beside it. A fresh copy is a
// fresh module: nothing a previous test did to the module's state carries over.
#ifndef TESTS_SUPPORT_PLUGIN_FOLDER_H
#define TESTS_SUPPORT_PLUGIN_FOLDER_H

#include <filesystem>

#include "tests/support/scratch_folder.h"

namespace tests
{

struct PluginLayout
{
	bool resources = true;
	bool icon = true;
	bool presets = false;
};

class PluginFolder
{
public:
	explicit PluginFolder(PluginLayout layout = {});

	// The folder that holds the module file.
	const std::filesystem::path& Root() const { return _root; }
	std::filesystem::path Module() const;
	std::filesystem::path Resources() const { return _root / "res"; }

private:
	ScratchFolder _scratch;
	std::filesystem::path _root;
};

// The module file and the resource folder as the build made them.
std::filesystem::path BuiltModule();
std::filesystem::path SourceResources();

} // namespace tests

#endif
