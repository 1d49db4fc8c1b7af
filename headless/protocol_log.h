// What the module did against the host's rules. The host records each
// protocol fault instead of crashing, and keeps the first one apart: it is
// the one worth reading.
#ifndef HEADLESS_PROTOCOL_LOG_H
#define HEADLESS_PROTOCOL_LOG_H

#include <optional>
#include <string>
#include <vector>

namespace headless
{

class ProtocolLog
{
public:
	// `entry` is the table entry or host step where it happened.
	void Fault(const std::string& entry, const std::string& what);

	bool Clean() const { return _faults.empty(); }
	std::optional<std::string> First() const;
	const std::vector<std::string>& All() const { return _faults; }

private:
	std::vector<std::string> _faults;
};

} // namespace headless

#endif
