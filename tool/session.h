// One run of the tool: a headless host with the module started, one
// document, and the arrows the command makes in it.
#ifndef TOOL_SESSION_H
#define TOOL_SESSION_H

#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "headless/host.h"

namespace tool
{

// The module did not load or start, or broke the host's protocol: the tool exits with 3.
struct HostError : std::runtime_error
{
	using std::runtime_error::runtime_error;
};

// The command could not do what was asked (a preset that did not load, no
// contour): the tool exits with 1.
struct CommandFailure : std::runtime_error
{
	using std::runtime_error::runtime_error;
};

// A change the user asked for on a new arrow: set NAME to VALUE, or unset NAME.
struct ParameterEdit
{
	std::string name;
	std::optional<std::string> value; // none: unset
};

class Session
{
public:
	// Starts the module; throws HostError with the reason when it does not
	// start. Edits outside the attribute manager's range are warned of on `warnings`,
	// and degree values noted as read in radians.
	explicit Session(const std::filesystem::path& moduleFile, std::ostream& warnings = std::cerr);

	headless::Host& Host() { return _host; }
	headless::Document* Document() { return _document; }
	const headless::RegisteredObject& ArrowType() const { return *_arrowType; }

	// A new arrow as the host's object menu makes it, then `empty` flushes
	// its container and the edits apply in order: the object clamps nothing,
	// a value outside the declared range is applied with a warning. Throws
	// InputError for a bad edit.
	headless::Object* NewArrow(bool empty, const std::vector<ParameterEdit>& edits);
	// Applies edits in order to an existing arrow; throws InputError for a bad edit.
	void ApplyEdits(headless::Object* arrow, const std::vector<ParameterEdit>& edits);

	// Links a new linear spline in the document, with `points` (x, y, z
	// each) and closed if asked, as the arrow's path, as a user would.
	void FollowPath(headless::Object* arrow, const std::vector<double>& points, bool closed);

	// Loads a preset file into the arrow through its load button, the file
	// dialog answered with `file`; true when the module reported it loaded.
	// The host's file history then holds this load alone.
	bool LoadPreset(headless::Object* arrow, const std::string& file);

	// Throws HostError when the module broke the host's protocol.
	void CheckProtocol() const;

private:
	std::vector<std::pair<std::int32_t, headless::Value>> ResolveEdits(const std::vector<ParameterEdit>& edits) const;

	headless::Host _host;
	headless::Document* _document = nullptr;
	const headless::RegisteredObject* _arrowType = nullptr;
	std::ostream& _warnings;
};

} // namespace tool

#endif
