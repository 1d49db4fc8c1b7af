// The fault plan itself: which call of an entry fails and for how long; and
// every injection point consulting it, failing as its table entry documents
// a failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <stdexcept>

#include "headless/host.h"
#include "tests/support/plugin_folder.h"
#include "tests/support/scratch_folder.h"

namespace tests
{
namespace
{

using headless::FaultPlan;
namespace fs = std::filesystem;

TEST(FaultPlan, TheKthCallFailsOnceOrFromThenOn)
{
	FaultPlan plan;
	plan.Fail("paths.alloc", 2);
	EXPECT_FALSE(plan.ShouldFail("paths.alloc"));
	EXPECT_TRUE(plan.ShouldFail("paths.alloc"));
	EXPECT_FALSE(plan.ShouldFail("paths.alloc"));
	EXPECT_EQ(plan.Calls("paths.alloc"), 3);

	// Planning an entry again counts its calls from there.
	plan.Fail("paths.alloc", 2, true);
	EXPECT_FALSE(plan.ShouldFail("paths.alloc"));
	EXPECT_TRUE(plan.ShouldFail("paths.alloc"));
	EXPECT_TRUE(plan.ShouldFail("paths.alloc"));
	EXPECT_EQ(plan.Calls("paths.alloc"), 3);
	EXPECT_EQ(plan.Failures(), 3);
}

TEST(FaultPlan, CountsEveryEntryUntilCleared)
{
	FaultPlan plan;
	EXPECT_FALSE(plan.ShouldFail("files.open"));
	EXPECT_FALSE(plan.ShouldFail("files.open"));
	EXPECT_EQ(plan.Calls("files.open"), 2);
	plan.Fail("files.alloc", 1, true);
	plan.Clear();
	EXPECT_EQ(plan.Calls("files.open"), 0);
	EXPECT_FALSE(plan.ShouldFail("files.alloc"));
	EXPECT_EQ(plan.Failures(), 0);
}

TEST(FaultPlan, KnowsOnlyItsInjectionPoints)
{
	FaultPlan plan;
	EXPECT_THROW(plan.Fail("paths.allocate", 1), std::invalid_argument);
	EXPECT_THROW(plan.Calls("general.print"), std::invalid_argument);
}

// One call of each injection point through the host's table, in a setting
// where it succeeds unless the plan fails it.
class InjectionPoint : public ::testing::TestWithParam<std::string>
{
protected:
	void SetUp() override
	{
		std::ofstream(scratch.Path() / "numbers", std::ios::binary) << std::string(16, '\x01');
	}

	void TearDown() override
	{
		for (C4DOS_File* file : files)
			os.files->free(file);
		for (C4DOS_Path* path : paths)
			os.paths->free(path);
		EXPECT_TRUE(host.protocol.Clean()) << host.protocol.First().value_or("");
	}

	C4DOS_Path* Path(const fs::path& file)
	{
		C4DOS_Path* path = os.paths->alloc();
		const std::string text = file.string();
		os.paths->set_string(path, C4DOS_Text { text.data(), static_cast<int64_t>(text.size()) });
		paths.push_back(path);
		return path;
	}

	// A file open on "numbers" (to read) or "written" (to write), big-endian.
	C4DOS_File* Open(bool write)
	{
		C4DOS_File* file = os.files->alloc();
		files.push_back(file);
		os.files->open(file, Path(scratch.Path() / (write ? "written" : "numbers")), write ? 2 : 1, 2, 1, 0, 0);
		return file;
	}

	// Frees what `alloc` gave and answers whether it gave anything.
	template <typename HANDLE> static bool Gave(HANDLE* handle, void (*free)(HANDLE*))
	{
		free(handle);
		return handle != nullptr;
	}

	bool Call(const std::string& entry);

	headless::Host host;
	const C4D_OS& os = *host.Table();
	const ScratchFolder scratch;
	std::vector<C4DOS_File*> files;
	std::vector<C4DOS_Path*> paths;
};

bool InjectionPoint::Call(const std::string& entry)
{
	C4DOS_Bool flag = 0;
	std::int32_t integer = 0;
	float real = 0.0f;
	char bytes[4] = {};
	const std::map<std::string, std::function<bool()>> calls = {
		{ "general.alloc", [&] { return Gave(os.general->alloc(8), os.general->free); } },
		{ "paths.alloc", [&] { return Gave(os.paths->alloc(), os.paths->free); } },
		{ "paths.kill", [&] { std::ofstream(scratch.Path() / "doomed") << "x"; return os.paths->kill(Path(scratch.Path() / "doomed")) != 0; } },
		{ "paths.rename",
			[&] {
				std::ofstream(scratch.Path() / "from") << "x";
				return os.paths->rename(Path(scratch.Path() / "from"), Path(scratch.Path() / "to")) != 0;
			} },
		{ "paths.copy_file",
			[&] {
				std::ofstream(scratch.Path() / "original") << "x";
				return os.paths->copy_file(Path(scratch.Path() / "original"), Path(scratch.Path() / "copy"), 0) != 0;
			} },
		{ "paths.select_file",
			[&] {
				host.fileDialogs.answers.push_back((scratch.Path() / "chosen").string());
				return os.paths->select_file(Path(scratch.Path()), 0, 0, C4DOS_Text {}, C4DOS_Text {}) != 0;
			} },
		{ "files.alloc", [&] { return Gave(os.files->alloc(), os.files->free); } },
		{ "files.open",
			[&] {
				C4DOS_File* file = os.files->alloc();
				files.push_back(file);
				return os.files->open(file, Path(scratch.Path() / "numbers"), 1, 2, 1, 0, 0) != 0;
			} },
		{ "files.close", [&] { return os.files->close(Open(true)) != 0; } },
		{ "files.read_bool", [&] { return os.files->read_bool(Open(false), &flag) != 0; } },
		{ "files.read_int32", [&] { return os.files->read_int32(Open(false), &integer) != 0; } },
		{ "files.read_float32", [&] { return os.files->read_float32(Open(false), &real) != 0; } },
		{ "files.read_bytes", [&] { return os.files->read_bytes(Open(false), bytes, 4, 0) == 4; } },
		{ "files.write_bool", [&] { return os.files->write_bool(Open(true), 1) != 0; } },
		{ "files.write_int32", [&] { return os.files->write_int32(Open(true), 7) != 0; } },
		{ "files.write_float32", [&] { return os.files->write_float32(Open(true), 0.5f) != 0; } },
		{ "files.write_bytes", [&] { return os.files->write_bytes(Open(true), "abcd", 4) != 0; } },
		{ "bitmaps.alloc", [&] { return Gave(os.bitmaps->alloc(), os.bitmaps->free); } },
		{ "bitmaps.init",
			[&] {
				C4DOS_Bitmap* bitmap = os.bitmaps->alloc();
				const std::int32_t result = os.bitmaps->init(bitmap, Path(SourceResources() / "pointsmith.tif"), 0);
				os.bitmaps->free(bitmap);
				return result == 1;
			} },
		{ "resources.load", [&] { return Gave(os.resources->load(Path(SourceResources())), os.resources->free); } },
		{ "resources.register_description",
			[&] {
				C4DOS_Resource* resource = os.resources->load(Path(SourceResources()));
				const C4DOS_Bool registered = os.resources->register_description(1025060, C4DOS_Text { "Opointsmith", 11 }, resource);
				os.resources->free(resource);
				return registered != 0;
			} },
		{ "plugins.register_object",
			[&] {
				C4DOS_ObjectPlugin plugin {};
				plugin.api_version = C4DOS_API_VERSION;
				plugin.id = 1000001;
				plugin.alloc = [](void*) -> void* { return nullptr; };
				plugin.free = [](void*) {};
				plugin.init = [](void*, C4DOS_Atom*) -> C4DOS_Bool { return 1; };
				plugin.message = [](void*, C4DOS_Atom*, int32_t, void*) -> C4DOS_Bool { return 1; };
				plugin.get_enabling = [](void*, C4DOS_Atom*, const C4DOS_DescID*, const C4DOS_Value*, int32_t, const C4DOS_Container*) -> C4DOS_Bool {
					return 1;
				};
				return os.plugins->register_object(&plugin) != 0;
			} },
		{ "containers.alloc", [&] { return Gave(os.containers->alloc(), os.containers->free); } },
		{ "objects.alloc", [&] { return Gave(os.objects->alloc(5140), os.objects->free); } },
		{ "objects.alloc_spline", [&] { return Gave(os.objects->alloc_spline(3, 0), os.objects->free); } },
		{ "objects.get_line_object",
			[&] {
				C4DOS_Atom* spline = os.objects->alloc_spline(3, 0);
				C4DOS_Atom* line = os.objects->get_line_object(spline, nullptr, 1.0, nullptr);
				os.objects->free(spline);
				return Gave(line, os.objects->free);
			} },
	};
	return calls.at(entry)();
}

TEST_P(InjectionPoint, FailsAsDocumentedWhenPlannedAndOnlyThen)
{
	const std::string entry = GetParam();
	host.faults.Fail(entry, 1);
	EXPECT_FALSE(Call(entry));
	EXPECT_EQ(host.faults.Failures(), 1);
	EXPECT_TRUE(Call(entry));
	EXPECT_EQ(host.faults.Calls(entry), 2);
	// The file of the failed call is the first one made; a failure sets its error state.
	if (entry.rfind("files.", 0) == 0 && entry != "files.alloc")
	{
		EXPECT_NE(os.files->get_error(files.front()), 0);
	}
}

INSTANTIATE_TEST_SUITE_P(EveryEntry, InjectionPoint, ::testing::ValuesIn(FaultPlan::Entries()),
	[](const ::testing::TestParamInfo<std::string>& entry) {
		std::string name = entry.param;
		std::replace(name.begin(), name.end(), '.', '_');
		return name;
	});

} // namespace
} // namespace tests
