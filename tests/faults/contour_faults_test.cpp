// The arrow's contour for every kind of outline under every injection point:
// null exactly when the module could not get its spline, otherwise the
// spline it gives without faults.
#include "tests/faults/module_faults.h"

namespace tests
{
namespace
{

// Settings that make each kind of outline, each with and without the corner
// a notch or a barb sweep adds, the turns into the other planes, and an
// arrow along a path.
const char* const OUTLINES[] = {
	"",
	"set a ARROW_TAIL_NOTCH 30",
	"set a ARROW_OPEN_HEAD true\nset a ARROW_SQUARE_BARBS true",
	"set a ARROW_OPEN_HEAD true\nset a ARROW_TAIL_NOTCH 30",
	"set a ARROW_FINS true",
	"set a ARROW_FINS true\nset a ARROW_TAIL_NOTCH 30",
	"set a ARROW_FINS true\nset a ARROW_OPEN_HEAD true",
	"set a ARROW_BEVEL true",
	"set a ARROW_BEVEL true\nset a ARROW_TAIL_NOTCH 30",
	"set a ARROW_SHAFT false",
	"set a ARROW_SHAFT false\nset a ARROW_BARB_SWEEP 20",
	"set a ARROW_SHAFT false\nset a ARROW_OPEN_HEAD true",
	"set a ARROW_SHAFT false\nset a ARROW_BEVEL true",
	"set a ARROW_SHAFT false\nset a ARROW_BEVEL true\nset a ARROW_BARB_SWEEP 20",
	"set a ARROW_DOUBLE true",
	"set a ARROW_DOUBLE true\nset a ARROW_OPEN_HEAD true",
	"set a PRIM_PLANE 1\nset a PRIM_REVERSE true",
	"set a PRIM_PLANE 2",
	"new spline p\npoints p 0,0 400,0 400,300\nlink a ARROW_PATH p\nset a ARROW_ROUND true",
};

struct Spline
{
	std::vector<double> points;
	headless::Container settings;
	bool operator==(const Spline&) const = default;
};

TEST_F(ModuleFaultTest, ContourOfEveryOutline)
{
	for (const char* outline : OUTLINES)
	{
		std::optional<Spline> given;
		Spline withoutFaults;
		UnderEveryInjection(
			std::string("new arrow a\n") + outline + "\n",
			[&](FaultRun& run) {
				given.reset();
				if (headless::Object* spline = host.GetContour(&run.Named("a")))
				{
					given = Spline { spline->points, spline->data };
					host.scene.DestroyObject(spline);
				}
			},
			[&](FaultRun& run) {
				EXPECT_EQ(given.has_value(), !run.failed);
				if (!given)
					return;
				if (!run.injection)
					withoutFaults = *given;
				EXPECT_EQ(*given, withoutFaults);
			});
	}
}

} // namespace
} // namespace tests
