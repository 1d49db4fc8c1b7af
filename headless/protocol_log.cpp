#include "headless/protocol_log.h"

namespace headless
{

void ProtocolLog::Fault(const std::string& entry, const std::string& what)
{
	_faults.push_back(entry + ": " + what);
}

std::optional<std::string> ProtocolLog::First() const
{
	if (_faults.empty())
		return std::nullopt;
	return _faults.front();
}

} // namespace headless
