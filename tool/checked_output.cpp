#include "tool/checked_output.h"

#include <cerrno>
#include <iostream>
#include <system_error>

namespace tool
{

CheckedOutput::CheckedOutput() : _previous(std::cout.rdbuf(this))
{
}

CheckedOutput::~CheckedOutput()
{
	sync();
	std::cout.rdbuf(_previous);
}

std::string CheckedOutput::Failure()
{
	sync();
	return _error ? std::generic_category().message(_error) : std::string();
}

bool CheckedOutput::Put(const char* data, std::size_t size)
{
	if (_error)
		return false;
	errno = 0;
	if (std::fwrite(data, 1, size, stdout) == size)
		return true;
	_error = errno ? errno : EIO;
	return false;
}

CheckedOutput::int_type CheckedOutput::overflow(int_type c)
{
	if (traits_type::eq_int_type(c, traits_type::eof()))
		return traits_type::not_eof(c);
	const char byte = traits_type::to_char_type(c);
	return Put(&byte, 1) ? c : traits_type::eof();
}

std::streamsize CheckedOutput::xsputn(const char* data, std::streamsize size)
{
	return Put(data, static_cast<std::size_t>(size)) ? size : 0;
}

int CheckedOutput::sync()
{
	if (_error)
		return -1;
	errno = 0;
	if (std::fflush(stdout) == 0)
		return 0;
	_error = errno ? errno : EIO;
	return -1;
}

} // namespace tool
