// The started module in the headless host, and one of its operations run
// under every injection point of the fault plan. Every run arranges a fresh
// scene with a script, runs the operation, and then holds the module to what
// must be true whatever failed: the host's strict checks silent, no undo
// group left open, no object left loose, undo taking the operation back to
// the arranged scene exactly and redo bringing it back, and everything the
// operation took from the host given back.
#ifndef TESTS_FAULTS_MODULE_FAULTS_H
#define TESTS_FAULTS_MODULE_FAULTS_H

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "headless/host.h"
#include "tests/faults/injection.h"
#include "tests/headless/held_by_module.h"
#include "tests/headless/scene_image.h"
#include "tests/support/plugin_folder.h"
#include "tool/script/script.h"

namespace tests
{

// One run of an operation, as the operation and its checks see it.
class FaultRun
{
public:
	FaultRun(headless::Host& host, const Injection* injection);

	headless::Host& host;
	headless::Document& document;
	// Null in the run without faults.
	const Injection* const injection;
	// Whether a planned failure happened during the operation.
	bool failed = false;
	// The scene as arranged, before the operation.
	std::vector<ObjectImage> before;

	// Runs script lines against the document (the names they give stay known).
	void Script(const std::string& lines);
	// The object named `name` with `new` that lies in the document.
	headless::Object& Named(const std::string& name) const;

private:
	std::ostringstream _printed;
	tool::script::Script _script;
};

// What a run does, or checks, to the scene.
using FaultStep = std::function<void(FaultRun&)>;

class ModuleFaultTest : public ::testing::Test
{
protected:
	void SetUp() override;
	void TearDown() override;

	// For every run: `arrangement` (script lines) without faults, then
	// `operation` under the run's injection, then the common checks and `check`.
	void UnderEveryInjection(const std::string& arrangement, const FaultStep& operation, const FaultStep& check);

	// The plug-in folder, with an empty presets folder beside the module.
	std::optional<PluginFolder> folder;
	headless::Host host;

private:
	std::optional<headless::FaultPlan> RunOnce(const std::string& arrangement, const FaultStep& operation, const FaultStep& check, const Injection* injection);

	std::vector<std::size_t> _heldAtStart;
};

} // namespace tests

#endif
