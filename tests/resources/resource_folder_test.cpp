#include <gtest/gtest.h>

#include "expect_resource_error.h"
#include "headless/resources/resource_folder.h"
#include "headless/resources/source_files.h"
#include "temp_resource_folder.h"

using namespace headless::resources;

namespace {

// A module with global strings in English and German and one description,
// Otest, whose labels exist in English only.
class ResourceFolderTest : public testing::Test
{
protected:
	void SetUp() override
	{
		_res.Write("c4d_symbols.h", "enum { IDS_NAME = 10000, IDS_HINT, _DUMMY_ELEMENT_ };");
		_res.Write("strings_en-US/c4d_strings.str", "STRINGTABLE { IDS_NAME \"Test\"; IDS_HINT \"Hint\"; }");
		_res.Write("strings_de-DE/c4d_strings.str", "STRINGTABLE { IDS_NAME \"Pr\\u00fcfung\"; }");
		_res.Write("description/Otest.h", "#pragma once\nenum { Otest = 1000, TEST_SIZE = 10000, TEST_ON };");
		_res.Write("description/Otest.res",
			"CONTAINER Otest\n{\n NAME Otest;\n INCLUDE Obase;\n GROUP ID_OBJECTPROPERTIES\n {\n"
			"  REAL TEST_SIZE { UNIT METER; }\n  BOOL TEST_ON { }\n }\n INCLUDE Osplineprimitive;\n}\n");
		_res.Write("strings_en-US/description/Otest.str", "STRINGTABLE Otest { Otest \"Test\"; TEST_SIZE \"Size\"; }");
	}

	TempResourceFolder _res;
};

}

TEST_F(ResourceFolderTest, LoadsGlobalStringsOfTheLanguage)
{
	const ResourceFolder english = ResourceFolder::Load(_res.Path());
	EXPECT_EQ(english.Folder(), _res.Path());
	ASSERT_NE(english.FindString(10001), nullptr);
	EXPECT_EQ(*english.FindString(10001), "Hint");
	EXPECT_EQ(english.FindString(10002), nullptr);
	// The German table replaces the English one as a whole, not entry by entry.
	const ResourceFolder german = ResourceFolder::Load(_res.Path(), "de-DE");
	EXPECT_EQ(*german.FindString(10000), "Pr\xC3\xBC" "fung");
	EXPECT_EQ(german.FindString(10001), nullptr);
	EXPECT_EQ(*ResourceFolder::Load(_res.Path(), "fr-FR").FindString(10000), "Test");
}

TEST_F(ResourceFolderTest, LoadsDescriptionsWithHostIncludes)
{
	const Description description = ResourceFolder::Load(_res.Path(), "de-DE").LoadDescription("Otest");
	EXPECT_EQ(description.label, "Test");
	EXPECT_EQ(description.elements.size(), 10u);
	EXPECT_EQ(description.Find(10000)->label, "Size");
	EXPECT_EQ(description.Find(10000)->group, 802);
	EXPECT_EQ(description.FindSymbol("TEST_ON")->label, "TEST_ON");
	EXPECT_EQ(description.FindSymbol("ID_OBJECTPROPERTIES")->label, "Object");
	EXPECT_EQ(description.elements[3].symbol, "PRIM_PLANE");
	EXPECT_EQ(description.Find(1004)->label, "Angle");
	EXPECT_EQ(description.folder, _res.Path());
}

TEST_F(ResourceFolderTest, NamesTheLanguagesItCarriesTheFallbackFirst)
{
	_res.Write("strings_ar-EG/c4d_strings.str", "STRINGTABLE { }");
	_res.Write("strings_/c4d_strings.str", "STRINGTABLE { }");
	_res.Write("strings_fr-FR", "a file, not a folder");
	// A folder without string tables carries no language; a description's table alone does.
	std::filesystem::create_directories(_res.Path() / "strings_es-ES" / "description");
	_res.Write("strings_it-IT/readme.txt", "no tables here");
	_res.Write("strings_nl-NL/description/Otest.str", "STRINGTABLE Otest { }");
	EXPECT_EQ(CarriedLanguages(_res.Path()), (std::vector<std::string>{"en-US", "ar-EG", "de-DE", "nl-NL"}));
	EXPECT_TRUE(CarriedLanguages(_res.Path() / "nothing").empty());
}

TEST_F(ResourceFolderTest, ErrorsNameTheFileRelativeToTheFolder)
{
	const auto describe = [this] { return ResourceFolder::Load(_res.Path()).LoadDescription("Otest"); };
	ExpectResourceError([] { ResourceFolder::Load("/nonexistent/res"); }, "/nonexistent/res", 0, "/nonexistent/res: missing");
	ExpectResourceError([this] { ResourceFolder::Load(_res.Path()).LoadDescription("../Otest"); }, "description/../Otest", 0, "not a valid");

	// Each step breaks a file that is read before the one broken previously.
	_res.Write("description/Otest.res", "CONTAINER Otest {\n REAL TEST_SIZE { UNIT METER }\n}");
	ExpectResourceError(describe, "description/Otest.res", 2, "expected ';' after 'METER'");
	_res.Write("strings_en-US/description/Otest.str", "STRINGTABLE Otest {\n TEST_SIZE \"Size\";\n TEST_SIZ \"Typo\"; }");
	ExpectResourceError(describe, "strings_en-US/description/Otest.str", 3, "'TEST_SIZ' is not declared in description/Otest.h");
	_res.Write("strings_en-US/description/Otest.str", "\nSTRINGTABLE Oother { }");
	ExpectResourceError(describe, "strings_en-US/description/Otest.str", 2, "expected 'STRINGTABLE Otest'");
	_res.Write("description/Otest.h", "enum {\n TEST_SIZE = 10000,\n PRIM_PLANE };");
	ExpectResourceError(describe, "description/Otest.h", 3, "'PRIM_PLANE' is already declared by a host description");
	std::filesystem::remove(_res.Path() / "description/Otest.h");
	ExpectResourceError(describe, "description/Otest.h", 0, "description/Otest.h: missing");

	_res.Write("strings_en-US/c4d_strings.str", "STRINGTABLE c4d_strings { }");
	ExpectResourceError([this] { ResourceFolder::Load(_res.Path()); }, "strings_en-US/c4d_strings.str", 1, "takes no name");
	std::filesystem::remove(_res.Path() / "strings_en-US/c4d_strings.str");
	ExpectResourceError([this] { ResourceFolder::Load(_res.Path(), "fr-FR"); }, "strings_en-US/c4d_strings.str", 0, "missing");
}

TEST_F(ResourceFolderTest, AFileThatIsThereButCannotBeReadSaysWhy)
{
	namespace fs = std::filesystem;
	const fs::path res = _res.Path() / "description/Otest.res";
	fs::remove(res);
	fs::create_directory(res);
	ExpectResourceError([this] { ResourceFolder::Load(_res.Path()).LoadDescription("Otest"); }, "description/Otest.res", 0, "cannot be read: it is a directory");
	fs::remove(res);
	std::error_code error;
	fs::create_symlink(res, res, error);
	if (!error)
		ExpectResourceError([this] { ResourceFolder::Load(_res.Path()).LoadDescription("Otest"); }, "description/Otest.res", 0,
			"cannot be read: a loop of symbolic links");
	const fs::path file = _res.Path() / "c4d_symbols.h";
	ExpectResourceError([&] { ResourceFolder::Load(file); }, file.string(), 0, "cannot be read: it is not a folder");
}

TEST(ResourceFolderMissing, IsNamedInUtf8)
{
	// Also on Windows, where the system's code page cannot hold the folder's name.
	const std::filesystem::path folder = std::filesystem::temp_directory_path() / u8"pointsmith-größe-∅-missing";
	const std::u8string name = folder.u8string();
	ExpectResourceError([&] { ResourceFolder::Load(folder); }, std::string(name.begin(), name.end()), 0, "missing");
}
