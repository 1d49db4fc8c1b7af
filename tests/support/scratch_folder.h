// A new, empty folder of its own under the system's temporary folder,
// removed with everything in it when the object goes.
#ifndef TESTS_SUPPORT_SCRATCH_FOLDER_H
#define TESTS_SUPPORT_SCRATCH_FOLDER_H

#include <filesystem>

namespace tests
{

class ScratchFolder
{
public:
	ScratchFolder();
	~ScratchFolder();
	ScratchFolder(const ScratchFolder&) = delete;
	ScratchFolder& operator=(const ScratchFolder&) = delete;

	const std::filesystem::path& Path() const { return _path; }

private:
	std::filesystem::path _path;
};

} // namespace tests

#endif
