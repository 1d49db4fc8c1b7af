// File paths as the host handles them for modules: join, directory and file
// parts, suffixes, and the file-system queries. Text is UTF-8 on every system.
#ifndef HEADLESS_PATHS_H
#define HEADLESS_PATHS_H

#include <filesystem>
#include <string>

#include "headless/file_problem.h"

namespace headless
{

struct Path
{
	std::string text;
};

std::filesystem::path FromUtf8(const std::string& text);
std::string ToUtf8(const std::filesystem::path& path);

// `base` joined with `component`; an empty side gives the other.
std::string JoinPath(const std::string& base, const std::string& component);
std::string DirectoryPart(const std::string& path);
std::string FilePart(const std::string& path);
std::string WithDirectory(const std::string& path, const std::string& directory);
std::string WithFile(const std::string& path, const std::string& file);
// The suffix without its dot, empty when there is none.
std::string SuffixOf(const std::string& path);
// Replaces an existing suffix, or appends one.
std::string WithSuffix(const std::string& path, const std::string& suffix);
// Whether the path's suffix is `suffix`, ignoring letter case.
bool HasSuffix(const std::string& path, const std::string& suffix);
bool PathExists(const std::string& path, bool directory);
// Whether the file at `path` is marked read-only: its owner may not write it.
// The host honours the mark for everyone, as a desktop does.
bool IsReadOnly(const std::string& path);
// The path made absolute against the working directory; empty stays empty.
std::string AbsolutePath(const std::string& path);
// Deletes a regular file; the problem when nothing was deleted.
FileProblem RemoveFile(const std::string& path);
// Renames a file, replacing one already at `to`; the problem when it was not renamed.
FileProblem RenameFile(const std::string& from, const std::string& to);

} // namespace headless

#endif
