// Standard output that remembers why it could not be written (a full disk,
// a closed pipe), so that a command whose output was lost fails with the
// system's reason instead of exiting 0.
#ifndef TOOL_CHECKED_OUTPUT_H
#define TOOL_CHECKED_OUTPUT_H

#include <cstdio>
#include <streambuf>
#include <string>

namespace tool
{

class CheckedOutput : private std::streambuf
{
public:
	// From now until the object goes, std::cout writes through it.
	CheckedOutput();
	~CheckedOutput() override;
	CheckedOutput(const CheckedOutput&) = delete;
	CheckedOutput& operator=(const CheckedOutput&) = delete;

	// Sends what is buffered; the system's words for the first write that
	// failed, empty when everything went out.
	std::string Failure();

private:
	int_type overflow(int_type c) override;
	std::streamsize xsputn(const char* data, std::streamsize size) override;
	int sync() override;

	bool Put(const char* data, std::size_t size);

	std::streambuf* _previous;
	int _error = 0;
};

} // namespace tool

#endif
