// ResourceFolder: a module's `res` folder, its global strings in one
// language and the descriptions of its plug-ins.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <vector>
#include <string>

#include "headless/resources/description.h"
#include "headless/resources/resource_error.h"

namespace headless::resources {

class ResourceFolder
{
public:
	// Loads c4d_symbols.h and strings_<language>/c4d_strings.str (falling
	// back to strings_en-US). Throws ResourceError when the folder or a file
	// is missing or a file is malformed.
	static ResourceFolder Load(const std::filesystem::path& folder, const std::string& language = "en-US");

	// The global string `id`; null when there is none.
	const std::string* FindString(int32_t id) const;
	// The IDs of every global string, in ascending order.
	std::vector<int32_t> StringIds() const;

	const std::filesystem::path& Folder() const { return _folder; }
	const std::string& Language() const { return _language; }

	// Loads description `name` from description/<name>.h and .res and
	// strings_<language>/description/<name>.str (falling back to en-US), in
	// the scope of the host's descriptions; it remembers this folder.
	// Throws ResourceError.
	Description LoadDescription(const std::string& name) const;

private:
	ResourceFolder(std::filesystem::path folder, std::string language, std::map<int32_t, std::string> strings);

	std::filesystem::path _folder;
	std::string _language;
	std::map<int32_t, std::string> _strings;
};

}
