// Copying a file for a module: the bytes of `source` become the file at
// `destination`. An existing destination is replaced as a whole or not at all:
// the new bytes go into a file of their own beside it, created exclusively
// under a short name of fixed length, which then takes its place. A
// destination that is a link keeps its link: the file it points to gets the
// bytes. The file keeps its permissions, and a file that may not be written
// is not replaced. A file with other hard links, or that another user owns,
// gets the new bytes written over its own, as careful editors do: it stays
// the same file, with its links and its owner.
#ifndef HEADLESS_FILE_COPY_H
#define HEADLESS_FILE_COPY_H

#include <string>

#include "headless/file_problem.h"

namespace headless
{

// Why the copy was not made, with the destination as it was and nothing left
// beside it: `source` cannot be read, the destination exists and `overwrite`
// is off or it may not be written, it is no regular file (or a link to
// none), or the copy cannot be stored. None when it was made.
FileProblem CopyFileOver(const std::string& source, const std::string& destination, bool overwrite);

} // namespace headless

#endif
