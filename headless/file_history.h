// What the module did with files, in order: every open with its outcome,
// every read and write with where it started and what it moved, every
// close, rename and deletion. A host keeps it to say why a load or a save
// came to nothing; the module itself is told only that it failed.
#ifndef HEADLESS_FILE_HISTORY_H
#define HEADLESS_FILE_HISTORY_H

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "headless/file_problem.h"

namespace headless
{

struct FileEvent
{
	std::string entry;  // the table entry: "files.open", "files.read_float32", "paths.rename", ...
	std::string path;   // absolute
	std::string target; // a rename's new name
	std::string mode;   // an open's: "append", "read", "write" or "read and write"
	std::int64_t position = -1; // a read's or write's start in the file
	std::int64_t length = 0;    // the bytes it asked for
	std::int64_t done = 0;      // the bytes it read or wrote
	double number = 0.0;        // the number, or bool as 0 and 1, that a number read or write moved
	std::string bytes;          // the first bytes a byte read or write moved (at most BYTES_KEPT)
	FileProblem problem;        // why it failed, when the host knows
	bool succeeded = true;

	static constexpr std::size_t BYTES_KEPT = 64;
};

struct FileHistory
{
	// The newest events; older ones are dropped beyond this many.
	static constexpr std::size_t EVENTS_KEPT = 4096;

	std::deque<FileEvent> events;

	void Add(FileEvent event)
	{
		if (events.size() == EVENTS_KEPT)
			events.pop_front();
		events.push_back(std::move(event));
	}
	void Clear() { events.clear(); }
};

} // namespace headless

#endif
