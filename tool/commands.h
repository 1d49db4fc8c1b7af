// The tool's commands. Each prints its result to standard output and returns
// the exit code; errors are thrown (InputError, HostError) and reported by main.
#ifndef TOOL_COMMANDS_H
#define TOOL_COMMANDS_H

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "tool/session.h"

namespace tool
{

// The tool's exit codes: the command's own failure (no contour, a preset not
// loaded or saved), bad input, and a module that did not load or start or
// broke the host's protocol.
constexpr int EXIT_FAILED = 1;
constexpr int EXIT_INPUT = 2;
constexpr int EXIT_HOST = 3;

// The module as the host sees it after start-up: identity, its answer to
// the version query, registration, console.
int RunInfo(Session& session, std::ostream& out);

// The tool's version, then the module's identity and its answer to the
// host's version query; the module is started for that.
int RunVersion(const std::filesystem::path& moduleFile, std::ostream& out);

// Every parameter of a new arrow: name, type, value and whether it is enabled.
int RunParams(Session& session, bool empty, const std::vector<ParameterEdit>& edits, std::ostream& out);

// What the attribute manager shows of every parameter, in description order:
// name, group, labels in every language the resources carry, type, unit,
// range, step, cycle entries, a new arrow's default and whether the module
// lets it be edited after the edits. `format` "json" keys it by ID as
// RunParams does, "text" is a table with the groups as headings.
int RunDescribe(Session& session, bool empty, const std::vector<ParameterEdit>& edits, const std::string& format, std::ostream& out);

// Loads the preset NAME (with the preset suffix added unless it ends in it,
// as a save adds it) into a new arrow through its load button and prints
// whether it loaded and the arrow's preset values after the attempt; 1 when
// not loaded. `format` "text" prints the values alone, one NAME=VALUE a line
// as --set takes them.
int RunPresetShow(Session& session, const std::string& name, const std::string& format, std::ostream& out, std::ostream& err);

// Saves a new arrow with the edits through its save button, the dialog
// answered with FILE; prints the preset's path, 1 when none was written.
int RunPresetSave(Session& session, const std::string& file, const std::vector<ParameterEdit>& edits, std::ostream& out, std::ostream& err);

// How `outline` prints the contour.
struct OutlineFormat
{
	std::string kind = "json"; // json, svg or obj
	bool axes = false;          // svg: the axes through the origin
	bool order = false;         // svg: the points numbered
	double unitsPerPixel = 0.0; // svg: scene units a pixel; 0 fits the outline to the view
	std::string preset;         // a preset file loaded into the arrow before the edits
};

// The path --path gives a new arrow: a new linear spline through `points`
// (x, y, z each; none: no path), closed or open.
struct OutlinePath
{
	std::vector<double> points;
	bool closed = false;
};

// The points of --path: x,y or x,y,z, separated by blanks; throws InputError
// for a bad point or none at all.
OutlinePath ReadOutlinePath(const std::string& text, bool closed);

// Why TEXT is no scale --scale takes, a positive finite number: "not a
// positive number", "too small" or "out of range"; empty when it is one.
std::string ScaleProblem(const std::string& text);
// Throws InputError for options the format does not draw: --axis, --order and --scale belong to svg.
void CheckOutlineFormat(const OutlineFormat& format);

// The contour of a new arrow, following `path` when it has points; an SVG
// draws the path under the outline, and a picture whose --scale cuts the
// outline off is warned of on `err`.
int RunOutline(Session& session, bool empty, const std::vector<ParameterEdit>& edits, const OutlineFormat& format, const OutlinePath& path,
	std::ostream& out, std::ostream& err);

// A script's text: FILE, or standard input for "-". Throws InputError saying
// why when it cannot be read (no such file, a directory, ...).
std::string ReadScript(const std::string& file);

// Runs a script line by line (tool/script/script.h), a byte-order mark at
// its start skipped. A line that cannot run stops it with
// "pointsmith-host: FILE:N: reason" on `err` ("pointsmith-host: line N:
// reason" for standard input, FILE "-"): exit 2 for bad input, 3 for a protocol fault of the
// module, 1 when the module gave no contour to print.
int RunScript(Session& session, const std::string& text, std::ostream& out, std::ostream& err, const std::string& file = "-");

} // namespace tool

#endif
