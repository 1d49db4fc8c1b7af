// Arbitrary bytes as a preset file, loaded through the arrow's own load
// button in the headless host. Whatever the bytes, the module must not crash,
// must break none of the host's rules, and must leave the arrow exactly as it
// was unless it reports the preset as loaded.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "headless/host.h"

namespace
{

constexpr std::int32_t ARROW_ID = 1025060;
constexpr std::int32_t PRESET_LOAD = 10200;
constexpr std::int32_t MSG_UPDATE = 5;

struct Fixture
{
	headless::Host host;
	std::filesystem::path file;
};

std::unique_ptr<Fixture> g_fixture;

[[noreturn]] void Fail(const std::string& what)
{
	std::cerr << "preset fuzzer: " << what << '\n';
	std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
	g_fixture = std::make_unique<Fixture>();
	std::string reason;
	if (!g_fixture->host.Start(POINTSMITH_MODULE_FILE, reason))
		Fail(reason);
	const std::filesystem::path shared = "/dev/shm";
	g_fixture->file = (std::filesystem::is_directory(shared) ? shared : std::filesystem::temp_directory_path()) /
		("pointsmith-fuzz-" + std::to_string(::getpid()) + ".arr");
	std::atexit([] {
		std::error_code ignored;
		std::filesystem::remove(g_fixture->file, ignored);
		g_fixture.reset();
	});
	return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
	Fixture& fixture = *g_fixture;
	headless::Host& host = fixture.host;
	std::ofstream(fixture.file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

	// A document of its own for each input, so that nothing (undo steps
	// included) piles up from one input to the next.
	headless::Document* document = host.NewDocument();
	headless::Object* arrow = host.NewObjectFromMenu(document, ARROW_ID);
	if (!arrow)
		Fail("no arrow");
	const headless::Container before = arrow->data;
	host.fileDialogs.answers.push_back(fixture.file.string());
	host.PressButton(arrow, PRESET_LOAD);

	const bool loaded = std::count(arrow->messages.begin(), arrow->messages.end(), MSG_UPDATE) > 0;
	if (!loaded && arrow->data != before)
		Fail("a preset that did not load changed the arrow");
	if (std::optional<std::string> fault = host.protocol.First())
		Fail("protocol fault: " + *fault);

	host.scene.DestroyDocument(document);
	// The host's records of dialogs and file operations are of this input
	// alone; kept, they would grow with every input and make libFuzzer look
	// for leaks after each one.
	host.fileDialogs.shown.clear();
	host.fileHistory.Clear();
	return 0;
}
