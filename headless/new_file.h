// Files the host creates for a module, for a copy or a save: created
// exclusively, so that a name any file or link has already is never taken
// over, two writers never share one new file, and no link leads the bytes
// somewhere else.
#ifndef HEADLESS_NEW_FILE_H
#define HEADLESS_NEW_FILE_H

#include <cstdio>
#include <filesystem>

namespace headless
{

// The new, empty file `path`, open for writing; null with errno set when
// anything is at that name (EEXIST), a link that leads nowhere included.
std::FILE* CreateExclusively(const std::filesystem::path& path);

} // namespace headless

#endif
