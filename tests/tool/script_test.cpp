// pointsmith-host script: the language's words, values, output formats and
// errors, as scripts rely on them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/output_match.h"
#include "tests/support/plugin_folder.h"
#include "tests/support/run_tool.h"
#include "tests/support/scratch_folder.h"
#include "tool/commands.h"
#include "tool/parameter_input.h"
#include "tool/script/parameters.h"
#include "tool/script/words.h"

namespace tests
{
namespace
{

using tool::script::Word;

std::vector<std::string> Texts(const std::vector<Word>& words)
{
	std::vector<std::string> texts;
	for (const Word& word : words)
		texts.push_back(word.text);
	return texts;
}

ToolRun Script(const std::string& text)
{
	return RunTool({ "script", "-" }, text);
}

// What a script that runs through prints.
std::string Output(const std::string& text)
{
	const ToolRun run = Script(text);
	EXPECT_EQ(run.exitCode, 0) << run.err;
	EXPECT_EQ(run.err, "");
	return run.out;
}

// A script that stops at `line` with exit 2 and one line naming the reason.
void ExpectStop(const std::string& text, int line, const std::string& reason, const std::string& printedBefore = "")
{
	const ToolRun run = Script(text);
	EXPECT_EQ(run.exitCode, 2) << text;
	EXPECT_EQ(run.err, "pointsmith-host: line " + std::to_string(line) + ": " + reason + "\n") << text;
	EXPECT_EQ(run.out, printedBefore) << text;
}

TEST(ScriptWords, BlanksSeparateQuotesHoldAndHashesComment)
{
	EXPECT_EQ(Texts(tool::script::SplitWords("set  a\tARROW_PRESET_NAME \"two words # no comment\" # a comment\r")),
		(std::vector<std::string> { "set", "a", "ARROW_PRESET_NAME", "two words # no comment" }));
	EXPECT_EQ(Texts(tool::script::SplitWords("print tree# comment")), (std::vector<std::string> { "print", "tree" }));
	EXPECT_EQ(Texts(tool::script::SplitWords("answer \"\"")), (std::vector<std::string> { "answer", "" }));
	EXPECT_TRUE(tool::script::SplitWords("   # only a comment").empty());
	EXPECT_TRUE(tool::script::SplitWords("answer \"cancel\"")[1].quoted);
	EXPECT_FALSE(tool::script::SplitWords("answer cancel")[1].quoted);
}

TEST(ScriptWords, QuotesMustCloseAndStandAlone)
{
	EXPECT_THROW(tool::script::SplitWords("set a 1 \"open"), tool::InputError);
	EXPECT_THROW(tool::script::SplitWords("set a\"b\" 1"), tool::InputError);
	EXPECT_THROW(tool::script::SplitWords("set \"a\"b 1"), tool::InputError);
}

TEST(ScriptValues, AValueForAnEntryNeverSetIsReadByItsLook)
{
	using headless::Value;
	using tool::script::GuessValue;
	EXPECT_EQ(GuessValue("true"), Value(true));
	EXPECT_EQ(GuessValue("false"), Value(false));
	EXPECT_EQ(GuessValue("-7"), Value(std::int32_t { -7 }));
	EXPECT_EQ(GuessValue("2.5"), Value(2.5));
	EXPECT_EQ(GuessValue("1e3"), Value(1000.0));
	EXPECT_EQ(GuessValue("1,2.5,-3"), Value(headless::Vector3 { 1.0, 2.5, -3.0 }));
	EXPECT_EQ(GuessValue("1,2"), Value(std::string("1,2")));
	EXPECT_EQ(GuessValue("nan"), Value(std::string("nan")));
	EXPECT_EQ(GuessValue(""), Value(std::string()));
}

TEST(Script, ReferencesStepThroughTheHierarchy)
{
	EXPECT_EQ(Output("new null a\nnew null b\nnew null c\nmove b under a\nmove c under a\n"
					 "set a.last 1 7\nprint b 1\nprint a.down.next.up.last.prev.next 1\nprint a.down 1\n"),
		"7\n7\nnull\n");
	ExpectStop("new null a\nprint a.up\n", 2, "'a.up' reaches no object");
	ExpectStop("new null a\nprint a.sideways\n", 2, "unknown step '.sideways' (steps: .up, .down, .last, .next, .prev)");
}

TEST(Script, PrintsAnArrowsValuesAsJson)
{
	EXPECT_EQ(Output("new arrow a\nprint a ARROW_SHAFT_LENGTH\nprint a PRIM_PLANE\nprint a 10190\nprint a ARROW_CLONE_SPLINE\nprint a ARROW_RESET\n"),
		"400.0\n0\n\"\"\nnull\nnull\n");
}

TEST(Script, SetReadsByTheDeclaredTypeTheEntrysTypeOrTheLook)
{
	EXPECT_EQ(Output("new arrow a\nset a ARROW_SHAFT_LENGTH 5\nset a ARROW_DOUBLE 1\nset a ARROW_PRESET_NAME \"Wide one\"\n"
					 "print a ARROW_SHAFT_LENGTH\nprint a ARROW_DOUBLE\nprint a ARROW_PRESET_NAME\n"),
		"5.0\ntrue\n\"Wide one\"\n");
	EXPECT_EQ(Output("new extrude e\nset e 2000 3\nset e 1002 1,2,3\nset e 7 true\nset e 8 -2\nset e 9 0.5\nset e 10 hello\nprint e\n"),
		"{\"7\":true,\"8\":-2,\"9\":0.5,\"10\":\"hello\",\"1002\":[1.0,2.0,3.0],\"2000\":3,\"2001\":1,\"2999\":true,\"3000\":true,"
		"\"3021\":0.0,\"3035\":0.0,\"5000\":true}\n");
	ExpectStop("new extrude e\nset e 2000 1.5\n", 2, "bad value for 2000 (Int32): '1.5' (expected a 32-bit integer)");
	ExpectStop("new arrow a\nset a ARROW_SHAFT_LENGTH long\n", 2, "bad value for ARROW_SHAFT_LENGTH (REAL): 'long' (expected a finite number)");
}

TEST(Script, OnlyLinksTakeLinks)
{
	ExpectStop("new arrow a\nnew spline s\nset a ARROW_WRAP_SPLINE s\n", 3, "ARROW_WRAP_SPLINE is a link: use link");
	ExpectStop("new arrow a\nnew spline s\nlink a ARROW_SHAFT_LENGTH s\n", 3, "ARROW_SHAFT_LENGTH is not a link");
	ExpectStop("new extrude e\nnew spline s\nlink e 2000 s\n", 3, "2000 is not a link");
}

TEST(Script, PrintsTheFileDialogsTheModuleOpenedAndTheMessagesItSent)
{
	PluginFolder folder(PluginLayout { true, true, true });
	const std::string preset = (folder.Root() / "saved.arr").string();
	const std::string start = (folder.Root() / "presets" / "*.arr").string();
	const ToolRun run = RunTool({ "--module", folder.Module().string(), "script", "-" },
		"new arrow a\nanswer \"" + preset + "\"\npress a ARROW_PRESET_SAVE\nset a ARROW_SHAFT_LENGTH 5\nanswer cancel\npress a ARROW_PRESET_LOAD\n"
		"print messages a\nprint events\nanswer " + preset + "\npress a ARROW_PRESET_LOAD\nprint a ARROW_SHAFT_LENGTH\nprint messages a\nprint messages a\n"
		"print events\nprint filedialogs\nprint filedialogs\n");
	ASSERT_EQ(run.exitCode, 0) << run.err;
	// Only the load that changed the arrow asks the host for an update.
	EXPECT_PRED_FORMAT2(SameOutput,
		"[]\n0\n400.0\n[5]\n[]\n1\n{\"mode\":\"save\",\"start\":\"" + start + "\"}\n{\"mode\":\"load\",\"start\":\"" + start + "\"}\n{\"mode\":\"load\",\"start\":\"" +
			start + "\"}\n",
		run.out);
}

#if !defined(_WIN32)
TEST(Script, PrintsAFileNameThatIsNoUtf8WithReplacementCharacters)
{
	// A folder name on Linux may be any bytes; the JSON printed is UTF-8 all the same.
	const ScratchFolder scratch;
	const std::filesystem::path plugin = scratch.Path() / "\xFF";
	std::filesystem::create_directories(plugin);
	std::filesystem::copy_file(BuiltModule(), plugin / BuiltModule().filename());
	std::filesystem::copy(SourceResources(), plugin / "res", std::filesystem::copy_options::recursive);
	const ToolRun run = RunTool({ "--module", (plugin / BuiltModule().filename()).string(), "script", "-" },
		"new arrow a\nanswer cancel\npress a ARROW_PRESET_LOAD\nprint filedialogs\n");
	EXPECT_EQ(run.exitCode, 0) << run.err;
	// With no presets/ folder the dialog starts beside the module.
	EXPECT_EQ(run.out, "{\"mode\":\"load\",\"start\":\"" + scratch.Path().string() + "/\xEF\xBF\xBD/*.arr\"}\n");
}
#endif

TEST(Script, ReadsAFileAndCountsEveryLine)
{
	const ScratchFolder scratch;
	const std::filesystem::path file = scratch.Path() / "story.script";
	std::ofstream(file) << "# a comment\n\nnew null n   # and another\nprint tree\nprint nothing\n";
	const ToolRun run = RunTool({ "script", file.string() });
	EXPECT_EQ(run.exitCode, 2);
	EXPECT_EQ(run.out, "null n\n");
	EXPECT_EQ(run.err, "pointsmith-host: " + file.string() + ":5: unknown object 'nothing'\n");

	const ToolRun missing = RunTool({ "script", "/nonexistent/story.script" });
	EXPECT_EQ(missing.exitCode, 2);
	EXPECT_EQ(missing.err, "pointsmith-host: cannot read the script /nonexistent/story.script: no such file\n");
	const ToolRun folder = RunTool({ "script", scratch.Path().string() });
	EXPECT_EQ(folder.exitCode, 2);
	EXPECT_EQ(folder.err, "pointsmith-host: cannot read the script " + scratch.Path().string() + ": it is a directory\n");
}

TEST(Script, ALineThatCannotRunStopsTheScript)
{
	ExpectStop("print tree\nfrobnicate\nprint tree\n", 2, "unknown command 'frobnicate'");
	ExpectStop("new null a\nprint tree\nnew null a\n", 3, "the name 'a' is given already", "null a\n");
	ExpectStop("new null a-b\n", 1, "bad name 'a-b' (letters, digits and underscores)");
	ExpectStop("new cube c\n", 1, "unknown kind 'cube' (arrow, null, spline, extrude, cloner, wrap)");
	ExpectStop("new null\n", 1, "usage: new KIND NAME (KIND: arrow, null, spline, extrude, cloner, wrap)");
	ExpectStop("new null a\nmove a under a\n", 2, "cannot move 'a' under itself or its own descendant");
	ExpectStop("new null a\nnew null b\nmove b under a\nmove a under a.down\n", 4, "cannot move 'a' under itself or its own descendant");
	ExpectStop("new null a\nmove a\n", 2, "usage: move REF under REF2 | move REF top");
	ExpectStop("set x 1 2\n", 1, "unknown object 'x'");
	ExpectStop("new null n\nundo\nprint n\n", 3, "'n' is not in the scene");
	ExpectStop("new arrow a\nset a ARROW_NOTHING 1\n", 2, "unknown parameter 'ARROW_NOTHING'");
	ExpectStop("new null n\nset n SPLINEOBJECT_CLOSED 1\n", 2, "unknown parameter 'SPLINEOBJECT_CLOSED' (a host object's parameters are IDs or the names of the host's headers)");
	ExpectStop("new arrow a\nset a ARROW_RESET 1\n", 2, "ARROW_RESET is a button and holds no value");
	ExpectStop("new arrow a\npress a ARROW_SHAFT_LENGTH\n", 2, "ARROW_SHAFT_LENGTH is not a button");
	ExpectStop("new null n\npress n 7\n", 2, "7 is not a button");
	ExpectStop("plane 3\n", 1, "usage: plane 0|1|2 (XY, ZY, XZ)");
	ExpectStop("set a 1 \"open\n", 1, "a quote is left open");
	const std::string printUsage = "usage: print tree|console|dialogs|filedialogs|events|undo, print undo depth, print REF [PARAM], print enabled REF PARAM, "
								   "print messages REF, print contour REF, print REF matrix, print builds REF, print names REF";
	for (const char* line : { "print\n", "print enabled\n", "print messages\n", "print contour\n", "print enabled a\n", "print tree a\n", "print builds\n", "print names\n" })
		ExpectStop(line, 1, printUsage);
	ExpectStop("new null n\nmatrix n 0,0,0 1,0,0 0,1,0\n", 2, "usage: matrix REF OFF V1 V2 V3 (each x,y,z)");
	ExpectStop("new null n\nmatrix n 0,0 1,0,0 0,1,0 0,0,1\n", 2, "usage: matrix REF OFF V1 V2 V3 (each x,y,z)");
	ExpectStop("new null n\npoints n 0,0\n", 2, "'n' is not a spline");
	ExpectStop("new spline s\npoints s 0,0 1,nan\n", 2, "bad point '1,nan' (expected x,y or x,y,z)");
	ExpectStop("new spline s\npoints s\n", 2, "usage: points REF x,y,z x,y,z ...");
	ExpectStop("\"new\" null a\n", 1, "unknown command 'new'");
}

TEST(ScriptRun, AProtocolFaultStopsTheScriptAtTheLineThatShowedIt)
{
	PluginFolder folder;
	tool::Session session(folder.Module());
	std::ostringstream out;
	std::ostringstream err;
	session.Host().protocol.Fault("atoms.remove", "an object of type 5140 in the document changed with no undo record covering it");
	EXPECT_EQ(tool::RunScript(session, "# nothing yet\nprint tree\n", out, err), 3);
	EXPECT_EQ(err.str(), "pointsmith-host: line 1: protocol fault: atoms.remove: an object of type 5140 in the document changed with no undo record covering it\n");
}

TEST(ScriptRun, AContourTheModuleDoesNotGiveIsTheScriptsFailure)
{
	PluginFolder folder;
	tool::Session session(folder.Module());
	std::ostringstream out;
	std::ostringstream err;
	session.Host().faults.Fail("objects.alloc_spline", 1, true);
	EXPECT_EQ(tool::RunScript(session, "new arrow a\nprint contour a\nprint tree\n", out, err), 1);
	EXPECT_EQ(out.str(), "");
	EXPECT_EQ(err.str(), "pointsmith-host: line 2: the module gave no contour\n");
}

TEST(Script, ErrorsQuoteWhatTheLineSaidReadablyAndBriefly)
{
	const std::string bytes = std::string("new null a\0b\n", 13);
	const struct
	{
		std::string text;
		std::string err;
	} cases[] = {
		{ "\xEF\xBB\xBFnew null a\nprint nothing\n", "pointsmith-host: line 2: unknown object 'nothing'\n" },
		{ bytes, "pointsmith-host: line 1: bad name 'a\\x00b' (letters, digits and underscores)\n" },
		{ "\x7F" "ELF\x02\x01\x01\x1B[2J\n", "pointsmith-host: line 1: unknown command '\\x7FELF\\x02\\x01\\x01\\x1B[2J'\n" },
		{ "new arrow a\nset a ARROW_SHAFT_LENGTH " + std::string(60'000, '7') + "x\n",
			"pointsmith-host: line 2: bad value for ARROW_SHAFT_LENGTH (REAL): '" + std::string(64, '7') + "...' (expected a finite number)\n" },
		{ "new arrow a\nset a ARROW_PRESET_NAME \"\xC0\xAF\"\n", "pointsmith-host: line 2: bad value for ARROW_PRESET_NAME (STRING): '\\xC0\\xAF' (expected UTF-8 text)\n" },
		{ "new null n\nset n 5 \xFF\n", "pointsmith-host: line 2: bad value for 5 (String): '\\xFF' (expected UTF-8 text)\n" },
		{ "new null n\nprint contour n\n", "pointsmith-host: line 2: 'n' is not an arrow\n" },
		{ "undo depth 0\n", "pointsmith-host: line 1: usage: undo | undo depth N (N at least 1)\n" },
		{ "new arrow a\nset a ARROW_PRESET_NAME " + std::string(64 * 1024 - 24, 'n') + "\n" + std::string(20'000'000, ' ') + "\n", "pointsmith-host: line 3: line longer than 64 KiB\n" },
	};
	for (const auto& entry : cases)
	{
		const ToolRun run = Script(entry.text);
		EXPECT_EQ(run.exitCode, 2) << entry.err;
		EXPECT_EQ(run.err, entry.err);
	}
}

TEST(Script, UndoKeepsTheDocumentsDepthAndAMoveThatChangesNothingIsNoStep)
{
	EXPECT_EQ(Output("print undo depth\nundo depth 2\nnew null a\nnew null b\nnew null c\nprint undo\nprint undo depth\n"
					 "move c top\nmove b under c\nmove b under c\nundo\nundo\nundo\nprint tree\n"),
		"100\n2\n2\nnull b\nnull a\n");
}

} // namespace
} // namespace tests
