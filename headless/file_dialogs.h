// The host's file selection dialog, answered from a queue instead of a
// person, with a record of every dialog the module opened.
#ifndef HEADLESS_FILE_DIALOGS_H
#define HEADLESS_FILE_DIALOGS_H

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace headless
{

struct FileDialogShown
{
	std::string mode;  // "load", "save" or "directory"
	std::string start; // the start name the module gave, made absolute
};

struct FileDialogs
{
	// Answers in order: a path, or none for cancel. An empty queue cancels.
	std::deque<std::optional<std::string>> answers;
	std::vector<FileDialogShown> shown;

	std::optional<std::string> NextAnswer()
	{
		if (answers.empty())
			return std::nullopt;
		std::optional<std::string> answer = std::move(answers.front());
		answers.pop_front();
		return answer;
	}
};

} // namespace headless

#endif
