#include "tests/support/scratch_folder.h"

#include <random>
#include <stdexcept>
#include <string>

namespace tests
{

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder()
{
	std::random_device seed;
	std::mt19937_64 random(seed());
	const fs::path parent = fs::temp_directory_path();
	for (int attempt = 0; attempt < 100; ++attempt)
	{
		const fs::path candidate = parent / ("pointsmith-test-" + std::to_string(random()));
		// Only the caller that made the folder gets it.
		std::error_code error;
		if (fs::create_directory(candidate, error))
		{
			_path = candidate;
			return;
		}
	}
	throw std::runtime_error("cannot make a scratch folder in " + parent.string());
}

ScratchFolder::~ScratchFolder()
{
	std::error_code ignored;
	fs::remove_all(_path, ignored);
}

} // namespace tests
