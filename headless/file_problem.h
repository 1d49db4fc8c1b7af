// Why the host could not open, write, rename or delete a file, in words a
// user of any module understands.
#ifndef HEADLESS_FILE_PROBLEM_H
#define HEADLESS_FILE_PROBLEM_H

#include <string>
#include <system_error>

namespace headless
{

struct FileProblem
{
	enum class Kind
	{
		None,
		NoSuchFile,
		NoFolder,       // the folder the file is to be in does not exist
		NotRegularFile, // a folder, FIFO, device or socket
		PermissionDenied,
		Other
	};

	Kind kind = Kind::None;
	// NotRegularFile: what is there instead ("a folder", "a FIFO", ...);
	// Other: the system's words.
	std::string detail;

	explicit operator bool() const { return kind != Kind::None; }
};

// "no such file", "the folder does not exist", "not a regular file (a FIFO)",
// "permission denied", or the system's words.
std::string Describe(const FileProblem& problem);

// The problem behind a failed system call on `path` (UTF-8).
FileProblem ProblemOf(std::error_code error, const std::string& path);

// The problem the last failed call on `path` left in errno; an input/output
// error when it left none (a short write to a full disk may not say why).
FileProblem ProblemOfLastCall(const std::string& path);

// What is at `path` when it is there and no regular file; None otherwise.
FileProblem NotRegularAt(const std::string& path);

} // namespace headless

#endif
