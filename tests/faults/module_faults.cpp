#include "tests/faults/module_faults.h"

#include <exception>

#include "tool/script/words.h"

namespace tests
{

FaultRun::FaultRun(headless::Host& runHost, const Injection* runInjection) :
	host(runHost), document(*runHost.NewDocument()), injection(runInjection), _script(runHost, document, _printed)
{
}

void FaultRun::Script(const std::string& lines)
{
	std::istringstream text(lines);
	std::string line;
	while (std::getline(text, line))
		_script.Run(tool::script::SplitWords(line));
}

namespace
{

headless::Object* Find(const std::vector<headless::Object*>& objects, const std::string& name)
{
	for (headless::Object* object : objects)
	{
		if (object->name == name)
			return object;
		if (headless::Object* below = Find(object->children, name))
			return below;
	}
	return nullptr;
}

} // namespace

headless::Object& FaultRun::Named(const std::string& name) const
{
	headless::Object* object = Find(document.roots, name);
	if (!object)
		throw std::runtime_error("no object '" + name + "' in the document");
	return *object;
}

void ModuleFaultTest::SetUp()
{
	folder.emplace(PluginLayout { true, true, true });
	std::string reason;
	ASSERT_TRUE(host.Start(folder->Module(), reason)) << reason;
	_heldAtStart = HeldByModule(host);
}

void ModuleFaultTest::TearDown()
{
	host.Shutdown();
	EXPECT_TRUE(host.protocol.Clean()) << host.protocol.First().value_or("");
}

void ModuleFaultTest::UnderEveryInjection(const std::string& arrangement, const FaultStep& operation, const FaultStep& check)
{
	SCOPED_TRACE("arranged by:\n" + arrangement);
	tests::UnderEveryInjection([&](const Injection* injection) { return RunOnce(arrangement, operation, check, injection); });
}

std::optional<headless::FaultPlan> ModuleFaultTest::RunOnce(const std::string& arrangement, const FaultStep& operation, const FaultStep& check,
	const Injection* injection)
{
	SCOPED_TRACE(Describe(injection));
	std::optional<headless::FaultPlan> plan;
	{
		FaultRun run(host, injection);
		try
		{
			run.Script(arrangement);
			run.before = ImageOf(run.document);
			const std::size_t stepsBefore = host.undo.Steps(run.document);

			host.faults.Clear();
			if (injection)
				host.faults.Fail(injection->entry, injection->k, injection->forever);
			operation(run);
			plan = host.faults;
			host.faults.Clear();
			run.failed = plan->Failures() > 0;

			EXPECT_TRUE(host.protocol.Clean()) << host.protocol.First().value_or("");
			EXPECT_EQ(run.document.undoHistory.groupDepth, 0) << "an undo group left open";
			EXPECT_TRUE(host.scene.LooseObjects().empty()) << "an object neither in the scene nor freed";
			check(run);

			// Undo takes back exactly what the operation did, and redo does it again.
			const std::size_t steps = host.undo.Steps(run.document) - stepsBefore;
			const std::vector<ObjectImage> after = ImageOf(run.document);
			for (std::size_t i = 0; i < steps; ++i)
				host.undo.TakeBack(run.document);
			EXPECT_EQ(ImageOf(run.document), run.before) << "after undo";
			for (std::size_t i = 0; i < steps; ++i)
				host.undo.Replay(run.document);
			EXPECT_EQ(ImageOf(run.document), after) << "after redo";
		}
		catch (const std::exception& error)
		{
			ADD_FAILURE() << error.what();
		}
	}
	host.faults.Clear();
	host.scene.Clear();
	host.fileDialogs = {};
	host.placedFiles = {};
	EXPECT_EQ(HeldByModule(host), _heldAtStart) << "memory blocks, containers, paths, bitmaps, files, resources";
	if (HasFailure())
		return std::nullopt;
	return plan;
}

} // namespace tests
