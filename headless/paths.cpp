#include "headless/paths.h"

#include <algorithm>
#include <cctype>

namespace headless
{

namespace fs = std::filesystem;

fs::path FromUtf8(const std::string& text)
{
	return fs::path(std::u8string(text.begin(), text.end()));
}

std::string ToUtf8(const fs::path& path)
{
	const std::u8string text = path.u8string();
	return std::string(text.begin(), text.end());
}

std::string JoinPath(const std::string& base, const std::string& component)
{
	if (base.empty())
		return component;
	if (component.empty())
		return base;
	return ToUtf8(FromUtf8(base) / FromUtf8(component));
}

std::string DirectoryPart(const std::string& path)
{
	return ToUtf8(FromUtf8(path).parent_path());
}

std::string FilePart(const std::string& path)
{
	return ToUtf8(FromUtf8(path).filename());
}

std::string WithDirectory(const std::string& path, const std::string& directory)
{
	return JoinPath(directory, FilePart(path));
}

std::string WithFile(const std::string& path, const std::string& file)
{
	return JoinPath(DirectoryPart(path), file);
}

std::string SuffixOf(const std::string& path)
{
	const std::string extension = ToUtf8(FromUtf8(path).extension());
	return extension.empty() ? extension : extension.substr(1);
}

std::string WithSuffix(const std::string& path, const std::string& suffix)
{
	if (path.empty())
		return path;
	fs::path result = FromUtf8(path);
	result.replace_extension(FromUtf8(suffix));
	return ToUtf8(result);
}

bool HasSuffix(const std::string& path, const std::string& suffix)
{
	const std::string own = SuffixOf(path);
	return own.size() == suffix.size() && std::equal(own.begin(), own.end(), suffix.begin(), [](char a, char b) {
		return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
	});
}

bool PathExists(const std::string& path, bool directory)
{
	if (path.empty())
		return false;
	std::error_code error;
	// A folder may be reached through a link; for anything else the name is
	// taken by whatever is there, a link that leads nowhere included.
	const fs::path named = FromUtf8(path);
	const fs::file_status status = directory ? fs::status(named, error) : fs::symlink_status(named, error);
	if (error)
		return false;
	return directory ? fs::is_directory(status) : fs::exists(status);
}

bool IsReadOnly(const std::string& path)
{
	std::error_code error;
	const fs::file_status status = fs::status(FromUtf8(path), error);
	return !error && fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

std::string AbsolutePath(const std::string& path)
{
	if (path.empty())
		return path;
	std::error_code error;
	const fs::path absolute = fs::absolute(FromUtf8(path), error);
	return error ? path : ToUtf8(absolute.lexically_normal());
}

FileProblem RemoveFile(const std::string& path)
{
	if (path.empty())
		return { FileProblem::Kind::NoSuchFile, {} };
	if (FileProblem other = NotRegularAt(path))
		return other;
	std::error_code error;
	if (!fs::remove(FromUtf8(path), error) && !error)
		return { FileProblem::Kind::NoSuchFile, {} };
	return error ? ProblemOf(error, path) : FileProblem {};
}

FileProblem RenameFile(const std::string& from, const std::string& to)
{
	if (from.empty() || to.empty())
		return { FileProblem::Kind::NoSuchFile, {} };
	std::error_code error;
	fs::rename(FromUtf8(from), FromUtf8(to), error);
	if (!error)
		return {};
	// A missing source is the file's own problem; anything else is the target's.
	std::error_code ignored;
	return fs::exists(FromUtf8(from), ignored) ? ProblemOf(error, to) : ProblemOf(error, from);
}

} // namespace headless
