#include "headless/new_file.h"

#include <fcntl.h>

#if defined(_WIN32)
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

namespace headless
{

std::FILE* CreateExclusively(const std::filesystem::path& path)
{
#if defined(_WIN32)
	const int descriptor = _wopen(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
	std::FILE* file = descriptor < 0 ? nullptr : _fdopen(descriptor, "wb");
	if (descriptor >= 0 && !file)
		_close(descriptor);
#else
	const int descriptor = open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0666);
	std::FILE* file = descriptor < 0 ? nullptr : fdopen(descriptor, "wb");
	if (descriptor >= 0 && !file)
		close(descriptor);
#endif
	return file;
}

} // namespace headless
