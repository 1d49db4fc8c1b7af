// The preset file format as the module writes and reads it.
#include <cmath>

#include "tests/presets/preset_test_support.h"

namespace tests
{
namespace
{

using headless::Value;

using PresetFileTest = PresetTest;

TEST_F(PresetFileTest, WritesTheDocumentedBytes)
{
	arrow->data.Set(10190, std::string("Wide"));
	Save(scratch / "wide.arr");
	const std::string bytes = ReadBytes(scratch / "wide.arr");
	const std::string expected = PresetBytes()
									 .Text("# Pointsmith preset file")
									 .Text("# Version 1.3")
									 .Text("# Start of parameters")
									 .Text("Wide")
									 .Real(100.0f)
									 .Real(50.0f)
									 .Real(0.0f)
									 .bytes;
	ASSERT_GE(bytes.size(), 94u);
	EXPECT_EQ(bytes.substr(0, 94), expected);
	EXPECT_EQ(bytes.substr(73, 9), std::string("\0\0\0\5Wide\0", 9));
}

TEST_F(PresetFileTest, WritesTheDefaultsAsAFullFileWithItsEndMarker)
{
	Save(scratch / "defaults.arr");
	EXPECT_EQ(ReadBytes(scratch / "defaults.arr"), PresetBytes::Standard().Text("# End of parameters").bytes);
}

TEST_F(PresetFileTest, AnEmptyNameIsALengthOfOneAndAZeroByte)
{
	Save(scratch / "unnamed.arr");
	EXPECT_EQ(ReadBytes(scratch / "unnamed.arr").substr(73, 5), std::string("\0\0\0\1\0", 5));
}

TEST_F(PresetFileTest, ATwoByteCharacterCountsTwoBytes)
{
	arrow->data.Set(10190, std::string("\xC3\xA9"));
	Save(scratch / "accent.arr");
	EXPECT_EQ(ReadBytes(scratch / "accent.arr").substr(73, 7), std::string("\0\0\0\3\xC3\xA9\0", 7));
}

TEST_F(PresetFileTest, FloatsAreRoundedToSinglePrecision)
{
	arrow->data.Set(10030, 0.1);
	Save(scratch / "tenth.arr");
	EXPECT_EQ(ReadBytes(scratch / "tenth.arr").substr(78, 4), "\x3D\xCC\xCC\xCD");
	ASSERT_TRUE(Load(scratch / "tenth.arr"));
	EXPECT_EQ(std::get<double>(arrow->data.Get(10030)), 0.10000000149011612);
	EXPECT_EQ(std::get<double>(arrow->data.Get(1004)), 0.0872664600610733);
}

TEST_F(PresetFileTest, SaveLoadSaveGivesTheSameBytes)
{
	for (auto [id, value] : std::vector<std::pair<std::int32_t, Value>> { { 10190, std::string("Round trip") }, { 10000, 123.456 }, { 10130, true },
			 { 10160, true }, { 10060, 0.3 }, { 2300, std::int32_t { 2 } }, { 2301, true }, { 1003, std::int32_t { -4 } } })
		arrow->data.Set(id, value);
	Save(scratch / "first.arr");
	headless::Object* other = NewArrow();
	ASSERT_TRUE(Load(other, scratch / "first.arr"));
	arrow = other;
	Save(scratch / "second.arr");
	EXPECT_EQ(ReadBytes(scratch / "first.arr"), ReadBytes(scratch / "second.arr"));
	EXPECT_EQ(std::get<std::int32_t>(other->data.Get(1003)), -4);
}

TEST_F(PresetFileTest, Version12LoadsLikeVersion13)
{
	PresetBytes file = PresetBytes::Standard("# Version 1.2", "old");
	file.bytes[78 + 3 + 18] = 1; // the double-arrow flag, after the name and six head records
	file.WriteTo(scratch / "v12.arr");
	ASSERT_TRUE(Load(scratch / "v12.arr"));
	EXPECT_EQ(arrow->data.Get(10190), Value(std::string("old")));
	EXPECT_EQ(arrow->data.Get(10160), Value(true));
}

TEST_F(PresetFileTest, OtherVersionsHaveNoDoubleArrowRecords)
{
	for (const std::string version : { "# Version 1.1", "", "# version 1.3" })
	{
		arrow->data.Set(10160, true);
		arrow->data.Set(10170, 1.0);
		arrow->data.Set(10180, 2.0);
		PresetBytes file = PresetBytes::Standard(version);
		// The byte right after 10150 is the shaft flag here.
		file.WriteTo(scratch / "older.arr");
		ASSERT_TRUE(Load(scratch / "older.arr")) << version;
		EXPECT_EQ(arrow->data.Get(10160), Value(false));
		EXPECT_EQ(arrow->data.Get(10170), Value(400.0));
		EXPECT_EQ(arrow->data.Get(10180), Value(100.0));
		EXPECT_EQ(arrow->data.Get(10020), Value(true));
	}
}

TEST_F(PresetFileTest, AcceptsAnyHeaderAndStartMarker)
{
	PresetBytes file;
	file.Text("").Text("# Version 1.3").Text("anything");
	file.bytes += PresetBytes::Standard().bytes.substr(73);
	file.WriteTo(scratch / "odd.arr");
	EXPECT_TRUE(Load(scratch / "odd.arr"));
}

TEST_F(PresetFileTest, ANameRecordOfLengthZeroIsEmpty)
{
	arrow->data.Set(10190, std::string("before"));
	PresetBytes file;
	file.Text("# Pointsmith preset file").Text("# Version 1.3").Text("# Start of parameters").Int(0);
	file.bytes += PresetBytes::Standard().bytes.substr(78);
	file.WriteTo(scratch / "nameless.arr");
	ASSERT_TRUE(Load(scratch / "nameless.arr"));
	EXPECT_EQ(arrow->data.Get(10190), Value(std::string()));
}

TEST_F(PresetFileTest, TheEndMarkerIsNotNeededAndWhatFollowsItIsIgnored)
{
	PresetBytes::Standard().WriteTo(scratch / "no-end.arr");
	EXPECT_TRUE(Load(scratch / "no-end.arr"));
	PresetBytes::Standard().Text("# End of parameters").Raw("trailing bytes \xFF\xFE").WriteTo(scratch / "trailing.arr");
	EXPECT_TRUE(Load(scratch / "trailing.arr"));
}

TEST_F(PresetFileTest, StoresIntegersAsTheyAre)
{
	PresetBytes file = PresetBytes::Standard();
	file.bytes.replace(file.bytes.size() - 12, 4, std::string("\xFF\xFF\xFF\xF9", 4)); // 1003 = -7
	file.WriteTo(scratch / "negative.arr");
	ASSERT_TRUE(Load(scratch / "negative.arr"));
	EXPECT_EQ(arrow->data.Get(1003), Value(std::int32_t { -7 }));
}

// Every way a file can be unreadable leaves the arrow exactly as it was.
class UnreadablePresetTest : public PresetTest
{
protected:
	void ExpectRefused(const std::string& bytes, const char* what)
	{
		arrow->data.Set(10000, 777.0);
		const headless::Container before = arrow->data;
		std::ofstream(scratch / "bad.arr", std::ios::binary) << bytes;
		EXPECT_FALSE(Load(scratch / "bad.arr")) << what;
		EXPECT_EQ(arrow->data, before) << what;
	}
};

TEST_F(UnreadablePresetTest, AFileOneByteShortIsRefused)
{
	const std::string full = PresetBytes::Standard().bytes;
	ExpectRefused(full.substr(0, full.size() - 1), "short by one byte");
	ExpectRefused("", "empty");
	ExpectRefused(full.substr(0, 80), "cut in the middle");
}

TEST_F(UnreadablePresetTest, BadTextLengthsAreRefused)
{
	ExpectRefused(PresetBytes().Int(-1).bytes + PresetBytes::Standard().bytes, "negative length");
	ExpectRefused(PresetBytes().Int(0x7FFFFFFF).Raw("# Pointsmith").bytes, "longer than the file");
	ExpectRefused(PresetBytes().Int(30).Raw("# Pointsmith preset file").bytes, "a few bytes longer than the file");
}

// A header that claims 2 GiB and holds them (a sparse file) used to be read
// into memory before it was thrown away; a text longer than its record can
// be is refused before any memory is taken for it.
TEST_F(UnreadablePresetTest, TextLongerThanItsRecordCanBeIsRefusedBeforeAnyMemoryIsTaken)
{
	PresetBytes huge;
	huge.Int(0x7FFFFFFF);
	huge.WriteTo(scratch / "huge.arr");
	std::filesystem::resize_file(scratch / "huge.arr", 4 + 0x7FFFFFFFull);
	host.memory.ResetPeak();
	EXPECT_FALSE(Load(scratch / "huge.arr"));
	EXPECT_LT(host.memory.PeakBytes(), std::size_t { 1 } << 20);
	std::filesystem::remove(scratch / "huge.arr");

	// A name of 64 KiB is still a name; one byte more is not.
	const auto named = [](std::size_t length) {
		PresetBytes file = PresetBytes::Standard("# Version 1.3", std::string(length, 'n'));
		return file.bytes;
	};
	ExpectRefused(named((64 << 10) + 1), "a name longer than 64 KiB");
	std::ofstream(scratch / "long.arr", std::ios::binary) << named(64 << 10);
	EXPECT_TRUE(Load(scratch / "long.arr"));
}

TEST_F(UnreadablePresetTest, TextThatIsNoUtf8IsRefused)
{
	PresetBytes file;
	file.Text("# Pointsmith preset file").Text("# Version 1.3").Text("# Start of parameters").Text("\xC3\x28");
	file.bytes += PresetBytes::Standard().bytes.substr(78);
	ExpectRefused(file.bytes, "invalid UTF-8 in the name");
}

TEST_F(UnreadablePresetTest, FloatsThatAreNoNumbersAreRefused)
{
	for (float bad : { std::nanf(""), INFINITY, -INFINITY })
	{
		PresetBytes file = PresetBytes::Standard();
		PresetBytes value;
		value.Real(bad);
		file.bytes.replace(78, 4, value.bytes);
		ExpectRefused(file.bytes, "a float record that is not finite");
	}
}

} // namespace
} // namespace tests
