// What the host gives a generator that follows another object: matrices,
// dirtiness, splines as lines, and contours it caches and rebuilds only when
// something changed.
#include <functional>

#include "tests/headless/module_double.h"

namespace tests
{
namespace
{

using namespace headless;

constexpr std::int32_t GENERATOR = 1000002;
constexpr std::int32_t OBJECT_ISSPLINE = 1 << 7;

// A spline generator of one point; it marks itself changed when told to.
bool g_touchWhenChecked = false;

class Evaluation : public ModuleDouble
{
protected:
	void SetUp() override
	{
		C4DOS_ObjectPlugin plugin {};
		plugin.api_version = C4DOS_API_VERSION;
		plugin.id = GENERATOR;
		plugin.info = OBJECT_ISSPLINE;
		plugin.alloc = [](void*) -> void* { return &g_touchWhenChecked; };
		plugin.free = [](void*) {};
		plugin.init = [](void*, C4DOS_Atom*) -> C4DOS_Bool { return 1; };
		plugin.message = [](void*, C4DOS_Atom*, int32_t, void*) -> C4DOS_Bool { return 1; };
		plugin.get_enabling = [](void*, C4DOS_Atom*, const C4DOS_DescID*, const C4DOS_Value*, int32_t, const C4DOS_Container*) -> C4DOS_Bool { return 1; };
		plugin.get_contour = [](void*, C4DOS_Atom*, C4DOS_Atom*, double, void*) { return Host::Current().Table()->objects->alloc_spline(1, 0); };
		plugin.check_dirty = [](void*, C4DOS_Atom* op, C4DOS_Atom*) {
			if (g_touchWhenChecked)
				Host::Current().Table()->objects->set_dirty(op, C4DOS_DIRTY_DATA);
		};
		ASSERT_TRUE(os.plugins->register_object(&plugin));
		g_touchWhenChecked = false;
	}

	std::uint32_t Dirty(Object* object, std::int32_t flags) const { return os.atoms->get_dirty(H(object), flags); }
};

TEST_F(Evaluation, ASplineReachesTheModuleAsItsMatrixAndALineObject)
{
	Object* spline = FromMenu(OBJECT_SPLINE, "s");
	const Matrix placed { { 10.0, 20.0, 30.0 }, { 0.0, 1.0, 0.0 }, { -1.0, 0.0, 0.0 }, { 0.0, 0.0, 2.0 } };
	host.SetMatrix(spline, placed);
	host.SetPoints(spline, { 0.0, 0.0, 0.0, 3.0, 4.0, 5.0 });
	Matrix given;
	os.objects->get_mg(H(spline), &given.off[0]);
	EXPECT_EQ(given, placed);
	EXPECT_EQ(os.objects->get_real_spline(H(spline)), H(spline));
	EXPECT_EQ(os.objects->get_segment_count(H(spline)), 0);

	for (const bool closed : { true, false })
	{
		host.SetParameter(spline, SPLINEOBJECT_CLOSED, closed);
		C4DOS_Atom* line = os.objects->get_line_object(H(spline), doc, 1.0, nullptr);
		ASSERT_NE(line, nullptr);
		EXPECT_EQ(Of(line)->points, spline->points);
		ASSERT_EQ(os.objects->get_segment_count(line), 1);
		EXPECT_EQ(os.objects->get_segments(line)->cnt, 2);
		EXPECT_EQ(os.objects->get_segments(line)->closed, closed ? 1 : 0);
		os.objects->free(line);
	}
	EXPECT_TRUE(host.protocol.Clean()) << FirstFault();

	EXPECT_EQ(os.objects->get_real_spline(H(FromMenu(OBJECT_NULL, "n"))), nullptr);
	EXPECT_EQ(os.objects->get_line_object(H(document->roots.front()), doc, 1.0, nullptr), nullptr);
	EXPECT_EQ(FirstFault(), "objects.get_line_object: an object of type 5140 is no spline");
}

TEST_F(Evaluation, EachChangeGrowsTheDirtinessOfItsPartAlone)
{
	Object* spline = FromMenu(OBJECT_SPLINE, "s");
	const struct
	{
		const char* change;
		std::function<void()> make;
		std::int32_t part;
	} changes[] = {
		{ "a parameter", [&] { host.SetParameter(spline, SPLINEOBJECT_CLOSED, false); }, C4DOS_DIRTY_DATA },
		{ "the points", [&] { host.SetPoints(spline, { 1.0, 2.0, 3.0 }); }, C4DOS_DIRTY_DATA },
		{ "the matrix", [&] { host.SetMatrix(spline, Matrix { { 5.0, 0.0, 0.0 } }); }, C4DOS_DIRTY_MATRIX },
		{ "undo of the matrix", [&] { host.undo.TakeBack(*document); }, C4DOS_DIRTY_MATRIX },
		{ "undo of the points", [&] { host.undo.TakeBack(*document); }, C4DOS_DIRTY_DATA },
		{ "told it was updated", [&] { os.atoms->message(H(spline), 5, nullptr); }, C4DOS_DIRTY_DATA },
		{ "marked by the module", [&] { os.objects->set_dirty(H(spline), C4DOS_DIRTY_CACHE); }, C4DOS_DIRTY_CACHE },
		{ "a move", [&] { host.MoveObject(spline, FromMenu(OBJECT_NULL, "n")); }, 0 },
	};
	for (const auto& change : changes)
	{
		std::uint32_t before[3];
		const std::int32_t parts[3] = { C4DOS_DIRTY_MATRIX, C4DOS_DIRTY_DATA, C4DOS_DIRTY_CACHE };
		for (int i = 0; i < 3; ++i)
			before[i] = Dirty(spline, parts[i]);
		const std::uint32_t all = Dirty(spline, -1);
		change.make();
		for (int i = 0; i < 3; ++i)
			EXPECT_EQ(Dirty(spline, parts[i]) > before[i], parts[i] == change.part) << change.change << ", part " << parts[i];
		EXPECT_EQ(Dirty(spline, -1) > all, change.part != 0) << change.change;
	}
	EXPECT_EQ(spline->matrix, Matrix()) << "undo took the matrix back";
	EXPECT_TRUE(host.protocol.Clean()) << FirstFault();
}

TEST_F(Evaluation, AContourIsBuiltWhenItsGeneratorChangedAndStaysTheHosts)
{
	Object* generator = FromMenu(GENERATOR, "g");
	const struct
	{
		const char* step;
		std::function<void()> make;
		std::uint64_t builds;
	} steps[] = {
		{ "the first evaluation", [] {}, 1 },
		{ "nothing changed", [] {}, 1 },
		{ "a parameter", [&] { host.SetParameter(generator, 7, 1.0); }, 2 },
		{ "the matrix", [&] { host.SetMatrix(generator, Matrix { { 5.0, 0.0, 0.0 } }); }, 2 },
		{ "marked changed when checked", [] { g_touchWhenChecked = true; }, 3 },
	};
	for (const auto& step : steps)
	{
		step.make();
		host.Evaluate(*document);
		EXPECT_EQ(generator->builds, step.builds) << step.step;
	}

	C4DOS_Atom* cache = os.objects->get_real_spline(H(generator));
	ASSERT_NE(cache, nullptr);
	EXPECT_EQ(cache, H(generator->contour.spline));
	EXPECT_TRUE(host.scene.LooseObjects().empty());
	os.objects->free(cache);
	EXPECT_EQ(FirstFault(), "objects.free: a cached contour, which the host owns");
	os.atoms->insert_under(cache, H(generator));
	EXPECT_EQ(host.protocol.All().back(), "atoms.insert_under: a cached contour, which the host owns");
}

} // namespace
} // namespace tests
