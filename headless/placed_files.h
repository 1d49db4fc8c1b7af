// Files the module wrote completely, and where they ended up.
#ifndef HEADLESS_PLACED_FILES_H
#define HEADLESS_PLACED_FILES_H

#include <string>
#include <vector>

namespace headless
{

// A write that closed cleanly, followed along renames, forgotten when deleted.
struct PlacedFiles
{
	std::vector<std::string> paths;

	void Written(const std::string& path) { Forget(path); paths.push_back(path); }
	void Renamed(const std::string& from, const std::string& to)
	{
		const bool complete = Forget(from);
		Forget(to);
		if (complete)
			paths.push_back(to);
	}
	bool Forget(const std::string& path) { return std::erase(paths, path) > 0; }
};

} // namespace headless

#endif
