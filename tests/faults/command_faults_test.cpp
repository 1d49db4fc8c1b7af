// The arrow's buttons under every injection point, wherever the arrow lies
// and whatever its tool settings say. A button that cannot get an object or
// a container builds what it can; everything it did is one undo step, and
// nothing it took is left over.
#include "tests/faults/module_faults.h"
#include "tests/faults/situations.h"

namespace tests
{
namespace
{

FaultStep Press(const std::string& button)
{
	return [button](FaultRun& run) { run.Script("press a " + button); };
}

class ButtonFaults : public ModuleFaultTest
{
protected:
	// Presses `button` in every hierarchy, with every wrap deformer
	// situation and every one of `settings`.
	void PressEverywhere(const std::string& button, const std::vector<std::string>& settings, bool withWrapDeformers)
	{
		for (const Situation& hierarchy : Hierarchies())
			for (const Situation& wrap : WrapDeformers(hierarchy))
			{
				if (!withWrapDeformers && !wrap.lines.empty())
					continue;
				SCOPED_TRACE(hierarchy.name + ", " + wrap.name);
				for (const std::string& setting : settings)
					UnderEveryInjection(Scene(hierarchy, wrap, setting), Press(button), &ArrowStaysInTheScene);
			}
	}
};

TEST_F(ButtonFaults, MakeExtrude)
{
	PressEverywhere("ARROW_MAKE_EXTRUDE", { "", "set a ARROW_EXTRUDE_FILLET true\n" }, true);
}

TEST_F(ButtonFaults, MakeCloner)
{
	const std::string counts = "set a ARROW_EXTRUDE_FILLET true\nset a ARROW_CLONE_COUNT 5\nset a ARROW_CLONE_SPLINE_VALUE 0.25\n";
	const std::string alongPath = "set a ARROW_CLONE_ON_SPLINE true\nlink a ARROW_CLONE_SPLINE path\n";
	std::vector<std::string> settings;
	for (const std::string& mode : { std::string(), alongPath, alongPath + "set a ARROW_CLONE_PLANE false\n", std::string("set a ARROW_CLONE_ON_SPLINE true\n") })
		for (const char* extrude : { "", "set a ARROW_CLONER_EXTRUDE true\n" })
			settings.push_back(counts + mode + extrude);
	PressEverywhere("ARROW_MAKE_CLONER", settings, false);
}

TEST_F(ButtonFaults, MakeWrap)
{
	const std::string linked = "link a ARROW_WRAP_SPLINE path\nset a ARROW_WRAP_OPTION false\n";
	std::vector<std::string> settings = { "" };
	for (const char* extrude : { "", "set a ARROW_WRAP_EXTRUDE true\n" })
		for (const char* subdivide : { "", "set a ARROW_WRAP_SUBDIVIDE false\n" })
			settings.push_back(linked + extrude + subdivide);
	PressEverywhere("ARROW_MAKE_WRAP", settings, true);
}

TEST_F(ButtonFaults, ResetAndInfo)
{
	const std::string changed = "set a ARROW_HEAD_LENGTH 80\nset a ARROW_DOUBLE true\nset a SPLINEOBJECT_INTERPOLATION 1\n";
	PressEverywhere("ARROW_RESET", { changed }, false);
	PressEverywhere("ARROW_INFO", { "" }, false);
}

} // namespace
} // namespace tests
