// What pointsmith-host says of how it read its input, and the names it shows
// and takes for the host's own objects, through the built tool.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/output_match.h"
#include "tests/support/run_tool.h"

namespace tests
{
namespace
{

std::size_t Occurrences(const std::string& text, const std::string& part)
{
	std::size_t count = 0;
	for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
		++count;
	return count;
}

TEST(ToolFeedback, SaysHowItReadInputAndNamesTheHostsParameters)
{
	struct Case
	{
		std::vector<std::string> arguments;
		std::string input;  // the script on standard input
		int exitCode;
		std::string err;    // exactly
		std::string part;   // in the output, `times` times
		std::size_t times;
	};
	const std::string cloner = "new arrow a\npress a ARROW_MAKE_CLONER\nset a.up MG_LINEAR_COUNT 5\n";
	const Case cases[] = {
		// The flag before --format takes no value: the format is what is wrong.
		{ { "params", "--describe", "--format", "txt" }, "", 2, "pointsmith-host: --format: txt not in {json,text}\n", "", 0 },
		{ { "params", "--describe", "--format", "text" }, "", 0, "", "not set (off)", 4 },
		{ { "params", "--set", "SPLINEOBJECT_ANGLE=5", "--set", "ARROW_HEAD_LENGTH=5" }, "", 0,
			"pointsmith-host: note: SPLINEOBJECT_ANGLE = 5 is in radians (286.5 degrees)\n", "", 0 },
		{ { "outline", "--format", "obj", "--set", "SPLINEOBJECT_ANGLE=0.0872664626" }, "", 0,
			"pointsmith-host: note: SPLINEOBJECT_ANGLE = 0.0872664626 is in radians (5 degrees)\n", "\nv ", 7 },
		// A scale that cuts the outline off says so; one that holds it is silent.
		{ { "outline", "--format", "svg", "--scale", "0.5" }, "", 0,
			"pointsmith-host: warning: at --scale 0.5 the outline does not fit the picture and is cut off\n", "<polygon", 1 },
		{ { "outline", "--format", "svg", "--scale", "2" }, "", 0, "", "<polygon", 1 },
		// A rounded outline numbers the seven corners of the arrow before rounding.
		{ { "outline", "--format", "svg", "--order", "--set", "ARROW_ROUND=true" }, "", 0, "", "class=\"number\"", 7 },
		{ { "script", "-" }, cloner + "print names a.up\nprint a.up\n", 0, "", "{\"MGCLONER_MODE\":1,\"MG_LINEAR_COUNT\":5,\"ID_MG_MOTIONGENERATOR_MODE\":1}\n{\"1020\":1,\"1270\":5,\"2010\":1}\n", 1 },
		{ { "script", "-" }, cloner + "print a.up ID_MG_MOTIONGENERATOR_MODE\nprint names a\n", 0, "", "\"ARROW_CLONE_COUNT\":3,", 1 },
		{ { "script", "-" }, "new spline s\nnew wrap w\nlink w MGSPLINEWRAPDEFORMER_SPLINE s\nset s SPLINEOBJECT_CLOSED false\nprint names w\nprint names s\n", 0, "",
			"{\"MGSPLINEWRAPDEFORMER_SPLINE\":\"s\"}\n{\"SPLINEOBJECT_CLOSED\":false}\n", 1 },
		{ { "script", "-" }, "new extrude e\nset e CAPSANDBEVELS_CAP_ENABLE_START false\nprint names e\n", 0, "", "\"CAPSANDBEVELS_CAP_ENABLE_START\":false", 1 },
		{ { "script", "-" }, "new extrude e\nset e EXTRUDEOBJECT_MOVE 0,0,5\nprint e EXTRUDEOBJECT_MOVE\n", 0, "", "[0.0,0.0,5.0]\n", 1 },
		// Names belong to their object: a cloner's name means nothing to a null.
		{ { "script", "-" }, "new null n\nset n MG_LINEAR_COUNT 5\n", 2,
			"pointsmith-host: line 2: unknown parameter 'MG_LINEAR_COUNT' (a host object's parameters are IDs or the names of the host's headers)\n", "", 0 },
	};
	for (const Case& c : cases)
	{
		const ToolRun run = RunTool(c.arguments, c.input);
		const std::string what = c.arguments.front() + " " + c.arguments.back() + " " + c.input;
		EXPECT_EQ(run.exitCode, c.exitCode) << what << run.err;
		EXPECT_PRED_FORMAT2(SameOutput, c.err, run.err) << what;
		if (!c.part.empty())
		{
			EXPECT_EQ(Occurrences(run.out, c.part), c.times) << what << run.out.substr(0, 2000);
		}
	}
}

} // namespace
} // namespace tests
