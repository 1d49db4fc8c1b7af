#include "tests/support/plugin_folder.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace tests
{

namespace fs = std::filesystem;

fs::path BuiltModule()
{
	return POINTSMITH_MODULE_FILE;
}

fs::path SourceResources()
{
	return POINTSMITH_RES_DIR;
}

PluginFolder::PluginFolder(PluginLayout layout)
{
	std::string pattern = (fs::temp_directory_path() / "pointsmith-test-XXXXXX").string();
	if (!mkdtemp(pattern.data()))
		throw std::runtime_error("cannot make a scratch folder");
	_scratch = pattern;
	_root = _scratch / "pointsmith";
	fs::create_directories(_root);
	fs::copy_file(BuiltModule(), Module());
	if (layout.resources)
	{
		fs::copy(SourceResources(), Resources(), fs::copy_options::recursive);
		if (!layout.icon)
			fs::remove(Resources() / "pointsmith.tif");
	}
	if (layout.presets)
		fs::create_directories(_root / "presets");
}

PluginFolder::~PluginFolder()
{
	std::error_code ignored;
	fs::remove_all(_scratch, ignored);
}

fs::path PluginFolder::Module() const
{
	return _root / BuiltModule().filename();
}

} // namespace tests
