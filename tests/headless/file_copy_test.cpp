// The host's copy for a module: a copy that cannot be stored says why, in the
// system's words, and leaves the destination as it was with nothing beside it.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "headless/file_copy.h"
#include "tests/support/scratch_folder.h"

#if !defined(_WIN32)
#include <sys/resource.h>
#endif

namespace tests
{
namespace
{

#if !defined(_WIN32)
// A disk that fills up, as far as this process can tell: no file it writes
// grows beyond `bytes`, and a write that would fails instead of ending it.
class FileSizeLimit
{
public:
	explicit FileSizeLimit(rlim_t bytes)
	{
		getrlimit(RLIMIT_FSIZE, &_before);
		_handler = std::signal(SIGXFSZ, SIG_IGN);
		rlimit limit = _before;
		limit.rlim_cur = bytes;
		setrlimit(RLIMIT_FSIZE, &limit);
	}
	~FileSizeLimit()
	{
		setrlimit(RLIMIT_FSIZE, &_before);
		std::signal(SIGXFSZ, _handler);
	}
	FileSizeLimit(const FileSizeLimit&) = delete;
	FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
	rlimit _before {};
	void (*_handler)(int) = nullptr;
};

TEST(FileCopy, ACopyThatCannotBeStoredSaysWhy)
{
	namespace fs = std::filesystem;
	const ScratchFolder scratch;
	const fs::path source = scratch.Path() / "source.arr";
	const fs::path destination = scratch.Path() / "destination.arr";
	std::ofstream(source) << std::string(4096, 's');
	std::ofstream(destination) << "the old preset";
	headless::FileProblem problem;
	{
		const FileSizeLimit full(1024);
		problem = headless::CopyFileOver(source.string(), destination.string(), true);
	}
	EXPECT_EQ(headless::Describe(problem), std::make_error_code(std::errc::file_too_large).message());
	std::ifstream in(destination);
	EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "the old preset");
	EXPECT_EQ(std::distance(fs::directory_iterator(scratch.Path()), fs::directory_iterator()), 2);
}
#endif

} // namespace
} // namespace tests
