// The tool's commands. Each prints its result to standard output and returns
// the exit code; errors are thrown (InputError, HostError) and reported by main.
#ifndef TOOL_COMMANDS_H
#define TOOL_COMMANDS_H

#include <ostream>
#include <vector>

#include "tool/session.h"

namespace tool
{

// The module as the host sees it after start-up: identity, registration, console.
int RunInfo(Session& session, std::ostream& out);

// Every parameter of a new arrow: name, type, value and whether it is enabled.
int RunParams(Session& session, bool empty, const std::vector<ParameterEdit>& edits, std::ostream& out);

} // namespace tool

#endif
