// A new arrow's parameters: the defaults and which of them are editable.
#include <array>
#include <cmath>
#include <map>

#include "headless/container.h"
#include "tests/support/module_test.h"

namespace tests
{
namespace
{

using headless::Value;

// Every default a new arrow carries, by ID.
const std::map<std::int32_t, Value> DEFAULTS = {
	{ 10000, 400.0 }, { 10010, 100.0 }, { 10020, true }, { 10030, 100.0 }, { 10040, 50.0 }, { 10050, 0.0 }, { 10060, 0.0 }, { 10070, 0.0 },
	{ 10080, 0.0 }, { 10090, false }, { 10100, 100.0 }, { 10110, 50.0 }, { 10120, 50.0 }, { 10130, false }, { 10140, false }, { 10150, 50.0 },
	{ 10160, false }, { 10170, 400.0 }, { 10180, 100.0 }, { 10190, std::string() }, { 10240, false }, { 10250, 10.0 }, { 10260, true },
	{ 10330, std::int32_t { 3 } }, { 10360, true }, { 10370, 0.0 }, { 10410, true }, { 10420, true }, { 10440, false }, { 10450, 10.0 },
	{ 10460, std::int32_t { 4 } }, { 10470, headless::Link {} }, { 10480, 0.0 }, { 10490, 1.0 }, { 10500, 0.0 },
	{ 1001, std::int32_t { 3 } }, { 1003, std::int32_t { 8 } }, { 1004, 0.08726646259971647 }, { 1005, 5.0 }, { 2300, std::int32_t { 0 } },
	{ 2301, false },
};

class ParametersTest : public ModuleTest
{
protected:
	void SetUp() override
	{
		StartModule();
		arrow = NewArrow();
	}

	void Set(std::int32_t id, Value value) { arrow->data.Set(id, std::move(value)); }
	bool Enabled(std::int32_t id) { return host.IsEnabled(arrow, id); }

	headless::Object* arrow = nullptr;
};

TEST_F(ParametersTest, ANewArrowHoldsExactlyTheDefaults)
{
	EXPECT_EQ(arrow->data.Entries(), (std::vector<headless::Container::Entry>(DEFAULTS.begin(), DEFAULTS.end())));
}

TEST_F(ParametersTest, TheAngleIsStoredInRadians)
{
	EXPECT_EQ(std::get<double>(arrow->data.Get(1004)), 5.0 * std::acos(-1.0) / 180.0);
}

TEST_F(ParametersTest, ToolSettingsWithoutADefaultStayUnset)
{
	for (std::int32_t id : { 10290, 10320, 10340, 10350, 10390, 10400 })
		EXPECT_EQ(headless::KindOf(arrow->data.Get(id)), headless::ValueKind::None) << id;
}

TEST_F(ParametersTest, TheSingleArrowShaftFollowsShaftAndDouble)
{
	for (std::int32_t id : { 10000, 10010, 10050, 10060, 10070, 10090 })
	{
		Set(10020, true);
		Set(10160, false);
		EXPECT_TRUE(Enabled(id)) << id;
		Set(10160, true);
		EXPECT_FALSE(Enabled(id)) << id;
		Set(10160, false);
		Set(10020, false);
		EXPECT_FALSE(Enabled(id)) << id;
	}
}

TEST_F(ParametersTest, TheShaftSwitchFollowsDouble)
{
	EXPECT_TRUE(Enabled(10020));
	Set(10160, true);
	EXPECT_FALSE(Enabled(10020));
}

TEST_F(ParametersTest, FinSizesFollowFinsAndShaftEvenOnADoubleArrow)
{
	for (std::int32_t id : { 10100, 10110, 10120 })
	{
		Set(10090, false);
		EXPECT_FALSE(Enabled(id)) << id;
		Set(10090, true);
		EXPECT_TRUE(Enabled(id)) << id;
		Set(10160, true);
		EXPECT_TRUE(Enabled(id)) << id;
		Set(10020, false);
		EXPECT_FALSE(Enabled(id)) << id;
		Set(10020, true);
		Set(10160, false);
	}
}

TEST_F(ParametersTest, SwitchesEnableTheirSettings)
{
	const std::map<std::int32_t, std::vector<std::int32_t>> governed = {
		{ 10130, { 10140, 10150 } },
		{ 10160, { 10170, 10180 } },
		{ 10240, { 10250, 10260 } },
		{ 10340, { 10350, 10360, 10370 } },
		{ 10440, { 10450, 10460 } },
	};
	for (const auto& [switchId, ids] : governed)
	{
		for (std::int32_t id : ids)
		{
			Set(switchId, false);
			EXPECT_FALSE(Enabled(id)) << id;
			Set(switchId, true);
			EXPECT_TRUE(Enabled(id)) << id;
		}
	}
}

// With a path linked, the path gives the shaft its length and the window
// settings apply; a link to the arrow itself or to nothing is no path.
TEST_F(ParametersTest, APathGreysTheShaftLengthsAndEnablesTheWindow)
{
	headless::Object* spline = host.NewObjectFromMenu(document, 5101);
	Set(10160, true);
	const struct
	{
		headless::AtomId link;
		bool path;
	} cases[] = { { 0, false }, { spline->Id(), true }, { arrow->Id(), false } };
	for (const auto& test : cases)
	{
		Set(10470, headless::Link { test.link });
		for (std::int32_t id : { 10480, 10490, 10500 })
			EXPECT_EQ(Enabled(id), test.path) << id;
		EXPECT_EQ(Enabled(10170), !test.path);
		Set(10160, false);
		EXPECT_EQ(Enabled(10000), !test.path);
		EXPECT_TRUE(Enabled(10010));
		Set(10160, true);
	}
}

TEST_F(ParametersTest, IntermediatePointSettingsFollowTheMode)
{
	// mode: enabled state of 1003, 1004, 1005
	const std::map<std::int32_t, std::array<bool, 3>> byMode = {
		{ 0, { false, false, false } },
		{ 1, { true, false, false } },
		{ 2, { true, false, false } },
		{ 3, { false, true, false } },
		{ 4, { false, true, true } },
	};
	for (const auto& [mode, enabled] : byMode)
	{
		Set(1001, mode);
		EXPECT_EQ(Enabled(1003), enabled[0]) << mode;
		EXPECT_EQ(Enabled(1004), enabled[1]) << mode;
		EXPECT_EQ(Enabled(1005), enabled[2]) << mode;
	}
}

TEST_F(ParametersTest, EverythingElseIsAlwaysEnabled)
{
	// Switch everything off that could disable anything.
	for (std::int32_t id : { 10020, 10090, 10130, 10160, 10240, 10340, 10440 })
		Set(id, false);
	Set(1001, 0);
	for (std::int32_t id : { 10030, 10040, 10080, 10130, 10160, 10190, 10200, 10210, 10220, 10230, 10240, 10280, 10290, 10310, 10320, 10330, 10340,
			 10390, 10400, 10410, 10420, 10430, 10440, 10470, 1001, 2300, 2301 })
		EXPECT_TRUE(Enabled(id)) << id;
}

TEST_F(ParametersTest, EnablingReadsTheLiveContainerNotTheValueAskedAbout)
{
	// An arrow whose container was emptied reads every switch as off.
	arrow->data.Flush();
	EXPECT_FALSE(Enabled(10000));
	EXPECT_TRUE(Enabled(10020));
	EXPECT_FALSE(Enabled(1004));
}

} // namespace
} // namespace tests
