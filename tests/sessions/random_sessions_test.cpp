// Seeded random sessions of script commands in the headless host, strict
// about the module's protocol. After every line, a change to the scene comes
// with an undo step; undo and redo give exactly the scene each step was
// made in; and at the end, undo all the way back gives the empty scene the
// session started from, and redo all the way gives every step's scene again.
// A failing session names its seed and is written out as a script:
//   POINTSMITH_SEED=<seed> POINTSMITH_SESSIONS=1 sessions_tests
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "tests/headless/held_by_module.h"
#include "tests/headless/scene_image.h"
#include "tests/presets/preset_bytes.h"
#include "tests/sessions/session_writer.h"
#include "tests/support/module_test.h"
#include "tool/parameter_input.h"
#include "tool/script/script.h"
#include "tool/script/words.h"

namespace tests
{
namespace
{

namespace fs = std::filesystem;
using Image = std::vector<ObjectImage>;

long long FromEnvironment(const char* name, long long fallback)
{
	const char* text = std::getenv(name);
	return text && *text ? std::strtoll(text, nullptr, 10) : fallback;
}

class RandomSessions : public ::testing::Test
{
protected:
	void SetUp() override
	{
		std::string reason;
		ASSERT_TRUE(host.Start(folder.Module(), reason)) << reason;
		held = HeldByModule(host);
		// A session's saves may land on any file it loads from (an answer
		// whose dialog never opened is taken by the next one): it gets copies.
		fs::copy(SourceResources().parent_path() / "presets", Catalogue());
		const std::string preset = ReadBytes(Catalogue() / "dart.arr");
		std::ofstream(presets.Path() / "short.arr", std::ios::binary) << preset.substr(0, preset.size() / 3);
	}

	void TearDown() override
	{
		host.Shutdown();
		EXPECT_TRUE(host.protocol.Clean()) << host.protocol.First().value_or("");
	}

	fs::path Catalogue() const { return catalogue.Path(); }

	// Runs the session of `seed`; a description of what went wrong, if anything.
	std::optional<std::string> Session(std::uint64_t seed, std::string& script);

	const PluginFolder folder;
	const ScratchFolder presets;
	const ScratchFolder catalogue;
	headless::Host host;
	std::vector<std::size_t> held;
};

std::optional<std::string> RandomSessions::Session(std::uint64_t seed, std::string& script)
{
	headless::Document& document = *host.NewDocument();
	std::ostringstream printed;
	tool::script::Script session(host, document, printed);
	SessionWriter writer(seed, *host.plugins.FindObject(ARROW_ID)->description, presets.Path(), Catalogue());

	// The scene as each undo depth last had it: undo and redo must give it back.
	std::vector<std::optional<Image>> byDepth = { ImageOf(document) };
	Image scene = *byDepth.front();
	std::size_t depth = 0;
	for (std::size_t made = 0; made < writer.Length();)
	{
		std::istringstream lines(writer.NextLine());
		for (std::string line; std::getline(lines, line);)
		{
			try
			{
				session.Run(tool::script::SplitWords(line));
			}
			catch (const tool::InputError&)
			{
				continue; // a line that cannot run here is no part of the session
			}
			catch (const std::exception& error)
			{
				script += line + "\n";
				return std::string(error.what());
			}
			script += line + "\n";
			writer.Ran(line);
			++made;
			if (std::optional<std::string> fault = host.protocol.First())
				return "protocol fault: " + *fault;

			const std::size_t now = host.undo.Steps(document);
			Image image = ImageOf(document);
			if (line == "undo" || line == "redo")
			{
				if (byDepth[now] && image != *byDepth[now])
					return line + " gave a scene other than the one at depth " + std::to_string(now);
			}
			else if (now == depth && image != scene)
				return "the scene changed without an undo step";
			else if (now != depth)
			{
				// A new step: what redo could replay is gone, and depths the line
				// passed on its way (a line may make more than one step) were never seen.
				byDepth.resize(depth + 1);
				byDepth.resize(now + 1);
				byDepth[now] = image;
			}
			depth = now;
			scene = std::move(image);
		}
	}

	// Undo all the way back, then redo all the way, each depth as it was.
	for (const bool undo : { true, false })
	{
		while (undo ? host.undo.TakeBack(document) : host.undo.Replay(document))
		{
			const std::size_t now = host.undo.Steps(document);
			if (byDepth[now] && ImageOf(document) != *byDepth[now])
				return std::string(undo ? "undo" : "redo") + " at the end gave a scene other than the one at depth " + std::to_string(now);
		}
		if (undo && ImageOf(document) != *byDepth.front())
			return std::string("undo all the way back did not give the starting scene");
	}
	return std::nullopt;
}

TEST_F(RandomSessions, UndoAllTheWayBackGivesTheStartingScene)
{
	const auto first = static_cast<std::uint64_t>(FromEnvironment("POINTSMITH_SEED", 1));
	const long long sessions = FromEnvironment("POINTSMITH_SESSIONS", 10000);
	for (long long i = 0; i < sessions; ++i)
	{
		const std::uint64_t seed = first + static_cast<std::uint64_t>(i);
		std::string script;
		const std::optional<std::string> failure = Session(seed, script);
		host.scene.Clear();
		host.fileDialogs = {};
		if (failure || HeldByModule(host) != held)
		{
			const fs::path written = fs::temp_directory_path() / ("pointsmith-session-" + std::to_string(seed) + ".script");
			std::ofstream(written) << "# random session " << seed << ": " << failure.value_or("the module kept what it took") << "\n" << script;
			FAIL() << "session " << seed << ": " << failure.value_or("the module kept what it took") << "\nwritten to " << written.string()
				   << "\nreplay with POINTSMITH_SEED=" << seed << " POINTSMITH_SESSIONS=1\n"
				   << script;
		}
	}
	std::cout << sessions << " sessions from seed " << first << "\n";
}

} // namespace
} // namespace tests
