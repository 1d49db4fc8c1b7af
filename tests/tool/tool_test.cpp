// pointsmith-host as scripts use it: its output formats and exit codes are contracts.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <fstream>

#include <nlohmann/json.hpp>

#include "tests/support/output_match.h"
#include "tests/support/plugin_folder.h"
#include "tests/support/run_tool.h"

namespace tests
{
namespace
{

using Json = nlohmann::json;

// `warnings`: what the tool says on stderr of values outside the attribute manager's range.
Json Params(const std::vector<std::string>& options, const std::string& warnings = "")
{
	std::vector<std::string> arguments { "params" };
	arguments.insert(arguments.end(), options.begin(), options.end());
	const ToolRun run = RunTool(arguments);
	EXPECT_EQ(run.exitCode, 0) << run.err;
	EXPECT_EQ(run.err, warnings);
	return Json::parse(run.out);
}

// The line of text the tool printed for a value, exactly.
std::string PrintedValue(const std::string& output, const std::string& id)
{
	const std::string key = "\"" + id + "\":{";
	const std::size_t entry = output.find(key);
	const std::size_t value = output.find("\"value\":", entry) + 8;
	return output.substr(value, output.find(",\"enabled\"", value) - value);
}

void ExpectOneLineError(const ToolRun& run, int exitCode, const std::string& mention)
{
	EXPECT_EQ(run.exitCode, exitCode);
	EXPECT_EQ(run.out, "");
	ASSERT_FALSE(run.err.empty());
	EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
	EXPECT_NE(ComparablePaths(run.err).find(mention), std::string::npos) << run.err;
}

TEST(ToolInfo, ShowsTheModuleAsTheHostLoadedIt)
{
	const ToolRun run = RunTool({ "info" });
	ASSERT_EQ(run.exitCode, 0) << run.err;
	const Json info = Json::parse(run.out);
	EXPECT_EQ(info["module"], "net.orvandale.pointsmith");
	EXPECT_EQ(info["frameworks"].size(), 9u);
	EXPECT_EQ(info["frameworks"][0], "net.c4dhost.cinema.framework");
	EXPECT_EQ(info["frameworks"][8], "net.c4dhost.python.framework");
	EXPECT_EQ(info["registration"],
		Json::parse(R"({"id": 1025060, "name": "Pointsmith", "info": 132, "description": "Opointsmith", "icon": [64, 64]})"));
	EXPECT_EQ(info["console"], Json::parse(R"(["Orvandale Software: Pointsmith successfully loaded."])"));
	// Keys in the documented order.
	EXPECT_EQ(run.out.rfind("{\"module\":", 0), 0u);
}

TEST(ToolParams, ListsEveryParameterWithItsDefault)
{
	const Json params = Params({});
	EXPECT_EQ(params.size(), 54u);
	EXPECT_EQ(params["10000"], Json::parse(R"({"name": "ARROW_SHAFT_LENGTH", "type": "REAL", "value": 400.0, "enabled": true})"));
	EXPECT_EQ(params["10350"], Json::parse(R"({"name": "ARROW_CLONE_SPLINE", "type": "LINK", "value": null, "enabled": false})"));
	EXPECT_EQ(params["10220"], Json::parse(R"({"name": "ARROW_RESET", "type": "BUTTON", "value": null, "enabled": true})"));
	EXPECT_EQ(params["2300"], Json::parse(R"({"name": "PRIM_PLANE", "type": "LONG", "value": 0, "enabled": true})"));
	EXPECT_EQ(params["10190"]["value"], "");
}

TEST(ToolParams, PrintsFloatsInTheirShortestExactForm)
{
	const ToolRun run = RunTool({ "params", "--set", "ARROW_SHAFT_WIDTH=1e20", "--set", "ARROW_TAIL_NOTCH=-0.0", "--set", "10060=.1" });
	ASSERT_EQ(run.exitCode, 0) << run.err;
	EXPECT_EQ(PrintedValue(run.out, "10000"), "400.0");
	EXPECT_EQ(PrintedValue(run.out, "1004"), "0.08726646259971647");
	EXPECT_EQ(PrintedValue(run.out, "10010"), "1e+20");
	EXPECT_EQ(PrintedValue(run.out, "10050"), "-0.0");
	EXPECT_EQ(PrintedValue(run.out, "10060"), "0.1");
}

TEST(ToolParams, AppliesEmptySetAndUnsetInTheOrderGiven)
{
	const Json params = Params({ "--empty", "--set", "ARROW_SHAFT=true", "--unset", "ARROW_SHAFT", "--set", "PRIM_PLANE=2", "--set", "1001=4" });
	EXPECT_TRUE(params["10020"]["value"].is_null());
	EXPECT_TRUE(params["10000"]["value"].is_null());
	EXPECT_EQ(params["2300"]["value"], 2);
	EXPECT_EQ(params["1001"]["value"], 4);
	EXPECT_EQ(params["1005"]["enabled"], true);
}

TEST(ToolParams, ReadsValuesByTheDeclaredType)
{
	const Json params = Params({ "--set", "ARROW_DOUBLE=1", "--set", "ARROW_CLONE_COUNT=-7", "--set", "ARROW_PRESET_NAME=Wide arrow", "--set",
		"ARROW_HEAD_LENGTH=25", "--set", "SPLINEOBJECT_ANGLE=1.5E-3" },
		"pointsmith-host: warning: ARROW_CLONE_COUNT = -7 is outside 1.. of the attribute manager\n"
		"pointsmith-host: note: SPLINEOBJECT_ANGLE = 1.5E-3 is in radians (0.1 degrees)\n");
	EXPECT_EQ(params["10160"]["value"], true);
	EXPECT_EQ(params["10330"]["value"], -7);
	EXPECT_EQ(params["10190"]["value"], "Wide arrow");
	EXPECT_TRUE(params["10030"]["value"].is_number_float());
	EXPECT_EQ(params["10030"]["value"], 25.0);
	EXPECT_EQ(params["1004"]["value"], 0.0015);
	// The enabling answers follow the values.
	EXPECT_EQ(params["10170"]["enabled"], true);
	EXPECT_EQ(params["10020"]["enabled"], false);
}

TEST(ToolParams, RefusesWhatCannotBeSet)
{
	ExpectOneLineError(RunTool({ "params", "--set", "ARROW_NOTHING=1" }), 2, "ARROW_NOTHING");
	ExpectOneLineError(RunTool({ "params", "--set", "99999=1" }), 2, "99999");
	ExpectOneLineError(RunTool({ "params", "--set", "ARROW_RESET=1" }), 2, "ARROW_RESET");
	ExpectOneLineError(RunTool({ "params", "--unset", "ARROW_RESET" }), 2, "ARROW_RESET");
	ExpectOneLineError(RunTool({ "params", "--set", "ARROW_WRAP_SPLINE=x" }), 2, "ARROW_WRAP_SPLINE");
	ExpectOneLineError(RunTool({ "params", "--set", "ARROW_SHAFT_LENGTH" }), 2, "NAME=VALUE");
	ExpectOneLineError(RunTool({ "params", "--set", "ARROW_GROUP_SHAFT=1" }), 2, "ARROW_GROUP_SHAFT");
}

TEST(ToolParams, RefusesBadValues)
{
	for (const char* value : { "ARROW_SHAFT_LENGTH=nan", "ARROW_SHAFT_LENGTH=inf", "ARROW_SHAFT_LENGTH=1e999", "ARROW_SHAFT_LENGTH=", "ARROW_SHAFT_LENGTH=4o0",
			 "ARROW_SHAFT_LENGTH=0x10", "ARROW_SHAFT=yes", "ARROW_SHAFT=2", "ARROW_CLONE_COUNT=2147483648", "ARROW_CLONE_COUNT=1.5", "PRIM_PLANE= 1" })
		ExpectOneLineError(RunTool({ "params", "--set", value }), 2, "bad value");
}

TEST(ToolParams, KeepsTinyAndHugeFiniteNumbers)
{
	const Json params = Params({ "--set", "ARROW_SHAFT_LENGTH=4.9e-324", "--set", "ARROW_SHAFT_WIDTH=-1.7976931348623157e308" },
		"pointsmith-host: warning: ARROW_SHAFT_WIDTH = -1.7976931348623157e308 is outside 0.. of the attribute manager\n");
	EXPECT_EQ(params["10000"]["value"], 4.9e-324);
	EXPECT_EQ(params["10010"]["value"], -1.7976931348623157e308);
}

TEST(ToolErrors, AModuleThatIsNotThereIsAHostFailure)
{
	ExpectOneLineError(RunTool({ "--module", "/nonexistent/pointsmith.xso64", "info" }), 3, "/nonexistent/pointsmith.xso64");
	// The reason names the file in UTF-8 on every system.
	ExpectOneLineError(RunTool({ "--module", "/nonexistent/größe ∅/pointsmith.xso64", "info" }), 3, "/nonexistent/größe ∅/pointsmith.xso64");
}

TEST(ToolErrors, AModuleThatDoesNotStartIsAHostFailure)
{
	PluginFolder folder(PluginLayout { false, false, false });
	const ToolRun run = RunTool({ "info", "--module", folder.Module().string() });
	ExpectOneLineError(run, 3, "Orvandale Software: Failed to load Pointsmith.");
	EXPECT_NE(run.err.find("Pointsmith: failed to load resource file."), std::string::npos);
}

TEST(ToolErrors, TextThatIsNoUtf8OrHugeIsBadInputInOneShortLine)
{
#if !defined(_WIN32) // Windows hands the tool its arguments as UTF-16, always well-formed
	ExpectOneLineError(RunTool({ "params", "--set", "ARROW_PRESET_NAME=\xFF" }), 2,
		"bad value for ARROW_PRESET_NAME (STRING): '\\xFF' (expected UTF-8 text)");
#endif
	const ToolRun huge = RunTool({ "params", "--set", "ARROW_SHAFT_LENGTH=" + std::string(20'000, '7') + "x" });
	ExpectOneLineError(huge, 2, "'" + std::string(64, '7') + "...' (expected a finite number)");
	EXPECT_LT(huge.err.size(), 200u);
}

TEST(ToolErrors, ABrokenResourceFolderSaysWhereAndWhy)
{
	namespace fs = std::filesystem;
	std::string deep = "CONTAINER Opointsmith\n{\n";
	for (int i = 0; i < 20000; ++i)
		deep += "GROUP {\n";
	deep += std::string(20001, '}');
	std::ifstream source(SourceResources() / "description" / "Opointsmith.res");
	std::string wideSteps((std::istreambuf_iterator<char>(source)), std::istreambuf_iterator<char>());
	const std::size_t steps = wideSteps.find("ARROW_ROUND_STEPS { MIN 1;");
	wideSteps.replace(wideSteps.find("MIN 1", steps), 5, "MIN -1e300");
	const std::string line = std::to_string(std::count(wideSteps.begin(), wideSteps.begin() + static_cast<std::ptrdiff_t>(steps), '\n') + 1);
	const struct
	{
		const char* file;
		std::string text; // empty: the folder becomes a link to itself
		std::string mention;
	} cases[] = {
		{ "description/Opointsmith.res", deep, "description/Opointsmith.res:1003: groups nest deeper than 1000 levels" },
		{ "strings_en-US/c4d_strings.str", "STRINGTABLE\n{\n IDS_X \"" + std::string(1'000'000, 'x') + "\"\n}\n",
			"strings_en-US/c4d_strings.str:3: expected ';' after string \"" + std::string(64, 'x') + "...\"" },
		{ "description/Opointsmith.res", "CONTAINER Opointsmith {\n" + std::string(1024 * 1024, ' ') + "}\n", "description/Opointsmith.res: larger than 1 MiB" },
		{ "description/Opointsmith.res", wideSteps,
			"description/Opointsmith.res:" + line + ": MIN of a LONG takes a whole number from -2147483648 to 2147483647, not '-1e300'" },
		{ "", "", "res: cannot be read: a loop of symbolic links" },
	};
	for (const auto& broken : cases)
	{
		SCOPED_TRACE(broken.mention);
		PluginFolder folder;
		if (broken.text.empty())
		{
			fs::remove_all(folder.Resources());
			std::error_code error;
			fs::create_directory_symlink(folder.Resources(), folder.Resources(), error);
			if (error)
				continue; // no symbolic links here
		}
		else
			std::ofstream(folder.Resources() / broken.file, std::ios::binary) << broken.text;
		const ToolRun run = RunTool({ "--module", folder.Module().string(), "info" });
		ExpectOneLineError(run, 3, broken.mention);
		EXPECT_LT(run.err.size(), 1000u);
	}
}

TEST(ToolErrors, StringTablesHoldOneAsciiLiteralPerString)
{
	// As the string tables were once written: a text of several literals, German labels in raw UTF-8.
	const struct
	{
		const char* file;
		const char* text;
		const char* mention;
	} cases[] = {
		{ "strings_en-US/c4d_strings.str",
			"STRINGTABLE\n{\n  IDS_POINTSMITH \"Pointsmith\";\n  IDS_POINTSMITH_INFO\n    \"Pointsmith draws arrows.\\n\"\n    \"Pointsmith 1.0\";\n}\n",
			"strings_en-US/c4d_strings.str:6: a second literal for 'IDS_POINTSMITH_INFO'" },
		{ "strings_de-DE/description/Opointsmith.str", "STRINGTABLE Opointsmith\n{\n  ARROW_SHAFT_LENGTH \"Schaftl\xC3\xA4nge\";\n}\n",
			"strings_de-DE/description/Opointsmith.str:3: byte 0xC3 is not ASCII" },
	};
	for (const auto& old : cases)
	{
		SCOPED_TRACE(old.file);
		PluginFolder folder;
		std::ofstream(folder.Resources() / old.file, std::ios::binary) << old.text;
		ExpectOneLineError(RunTool({ "--module", folder.Module().string(), "params", "--describe" }), 3, old.mention);
	}
}

TEST(ToolErrors, UnknownCommandsAndOptionsAreUsageErrors)
{
	ExpectOneLineError(RunTool({ "frobnicate" }), 2, "unknown command 'frobnicate'");
	ExpectOneLineError(RunTool({ "params", "--sett", "x" }), 2, "--sett");
	// A bare call says how the tool is used.
	const ToolRun bare = RunTool({});
	EXPECT_EQ(bare.exitCode, 2);
	EXPECT_EQ(bare.out, "");
	EXPECT_NE(bare.err.find("Usage: pointsmith-host [OPTIONS]"), std::string::npos) << bare.err;
}

TEST(ToolErrors, ArgumentErrorsNameTheWordAndWhatWasMeant)
{
	const std::pair<std::vector<std::string>, std::string> cases[] = {
		{ { "preset", "load", "x" }, "unknown command 'load' (show, save)" },
		{ { "preset" }, "preset needs a command (show, save)" },
		{ { "frobnicate" }, "unknown command 'frobnicate' (info, params, preset, outline, script)" },
		{ { "--modul", "x", "info" }, "unknown option '--modul' (did you mean --module?)" },
		{ { "--foo" }, "unknown option '--foo' (see --help)" },
		{ { "outline", "--formt", "svg" }, "unknown option '--formt' (did you mean --format?)" },
		{ { "outline", "svg" }, "unexpected argument 'svg' for outline" },
		{ { "params", "--set", "A=1", "B=2" }, "unexpected argument 'B=2' for params" },
		{ { "outline", "--axis" }, "--axis belongs to --format svg, not json" },
		{ { "outline", "--format", "obj", "--order", "--axis" }, "--axis and --order belong to --format svg, not obj" },
		{ { "params", "--set", "ARROW_SHAFT_WIDHT=1" }, "unknown parameter 'ARROW_SHAFT_WIDHT' (did you mean ARROW_SHAFT_WIDTH?)" },
		{ { "params", "--unset", "arrow_shaft_width" }, "unknown parameter 'arrow_shaft_width' (did you mean ARROW_SHAFT_WIDTH?)" },
		{ { "params", "--set", "ARROW_NOTHING=1" }, "unknown parameter 'ARROW_NOTHING'" },
		{ { "outline", "--path-closed" }, "--path-closed requires --path" },
		{ { "outline", "--path", " " }, "--path needs at least one point x,y or x,y,z" },
		{ { "outline", "--path", "0,0 1,x" }, "bad point '1,x' (expected x,y or x,y,z)" },
		{ { "outline", "--format", "svg", "--scale", "5e-324" }, "--scale: too small: 5e-324" },
		{ { "outline", "--format", "svg", "--scale", "1e-400" }, "--scale: out of range: 1e-400" },
		{ { "outline", "--format", "svg", "--scale", "-1" }, "--scale: not a positive number: -1" },
	};
	for (const auto& [arguments, line] : cases)
	{
		const ToolRun run = RunTool(arguments);
		EXPECT_EQ(run.exitCode, 2) << line;
		EXPECT_EQ(run.out, "") << line;
		EXPECT_EQ(run.err, "pointsmith-host: " + line + "\n");
	}
}

TEST(ToolHelp, ShowsOneValuePerOptionTheModuleFileAndWhereNamesAre)
{
	const ToolRun top = RunTool({ "--help" });
	EXPECT_EQ(top.exitCode, 0);
	EXPECT_NE(top.out.find(BuiltModule().filename().string() + " beside the tool"), std::string::npos) << top.out;
	EXPECT_NE(top.out.find("--version"), std::string::npos);
	for (const char* command : { "params", "outline" })
	{
		const ToolRun help = RunTool({ command, "--help" });
		EXPECT_NE(help.out.find("--set NAME=VALUE  "), std::string::npos) << help.out;
		EXPECT_NE(help.out.find("--unset NAME  "), std::string::npos) << help.out;
		EXPECT_NE(help.out.find("`params` lists the names"), std::string::npos) << help.out;
	}
}

TEST(ToolVersion, NamesTheToolAndWhatTheModuleAnswers)
{
	const ToolRun run = RunTool({ "--version" });
	ASSERT_EQ(run.exitCode, 0) << run.err;
	EXPECT_EQ(run.out.rfind("pointsmith-host 1.", 0), 0u) << run.out;
	EXPECT_NE(run.out.find("\nmodule net.orvandale.pointsmith ("), std::string::npos) << run.out;
	EXPECT_NE(run.out.find("): answers 5 to the version query\n"), std::string::npos) << run.out;
	EXPECT_EQ(Json::parse(RunTool({ "info" }).out)["version"], 5);
}

#if !defined(_WIN32)
TEST(ToolErrors, OutputThatCannotBeWrittenFailsTheCommand)
{
	const std::vector<std::string> commands[] = { { "info" }, { "params" }, { "outline", "--format", "svg" }, { "preset", "show", BuiltModule().parent_path().string() + "/presets/block-arrow.arr" },
		{ "script", "-" }, { "--help" }, { "--version" } };
	for (const std::vector<std::string>& command : commands)
	{
		const ToolRun run = RunTool(command, "new arrow a\nprint a\n", "/dev/full");
		EXPECT_EQ(run.exitCode, 1) << command.front();
		EXPECT_EQ(run.err, "pointsmith-host: cannot write the output: No space left on device\n") << command.front();
	}
}
#endif

} // namespace
} // namespace tests
