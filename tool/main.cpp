// pointsmith-host: drives the Pointsmith module through the headless host.
//
// Exit codes: 0 done, 1 the command's own failure, 2 bad input, 3 the module
// did not load or start, or broke the host's protocol.
#include <iostream>

#include <CLI/CLI.hpp>

#include "headless/paths.h"
#include "headless/resources/utf8.h"
#include "tool/argument_errors.h"
#include "tool/checked_output.h"
#include "tool/command_line.h"
#include "tool/commands.h"
#include "tool/executable_path.h"
#include "tool/parameter_input.h"
#include "tool/product.h"

namespace
{

using tool::EXIT_FAILED;
using tool::EXIT_HOST;
using tool::EXIT_INPUT;

// Every failure ends the same way: one line on stderr and its exit code.
int Report(const std::exception& error, int exitCode)
{
	std::cerr << "pointsmith-host: " << error.what() << '\n';
	return exitCode;
}

// The options every command that makes an arrow shares.
struct ArrowOptions
{
	bool empty = false;
	std::vector<std::string> sets;
	std::vector<std::string> unsets;
	CLI::Option* set = nullptr;
	CLI::Option* unset = nullptr;
};

// An option given once for each value: --set A=1 --set B=2.
CLI::Option* AddRepeatable(CLI::App& command, const std::string& name, std::vector<std::string>& values, const std::string& help, const std::string& value)
{
	return command.add_option(name, values, help)->type_name(value)->allow_extra_args(false)->expected(1)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

void AddArrowOptions(CLI::App& command, ArrowOptions& options)
{
	options.set = AddRepeatable(command, "--set", options.sets, "set a parameter of the new arrow; one --set for each (`params` lists the names)", "NAME=VALUE");
	options.unset = AddRepeatable(command, "--unset", options.unsets, "remove a parameter from the new arrow's container; one --unset for each", "NAME");
	command.add_flag("--empty", options.empty, "start from an empty container");
}

// Output that could not be written (a full disk) fails the command that made it.
int Flushed(tool::CheckedOutput& output, int exitCode)
{
	const std::string failure = output.Failure();
	if (failure.empty())
		return exitCode;
	std::cerr << "pointsmith-host: cannot write the output: " << failure << '\n';
	return exitCode == 0 ? EXIT_FAILED : exitCode;
}

// --set and --unset in the order given on the command line.
std::vector<tool::ParameterEdit> OrderedEdits(const CLI::App& command, const ArrowOptions& options)
{
	std::vector<tool::ParameterEdit> edits;
	std::size_t nextSet = 0;
	std::size_t nextUnset = 0;
	for (const CLI::Option* option : command.parse_order())
	{
		if (option == options.set)
		{
			const std::string& text = options.sets.at(nextSet++);
			const std::size_t equals = text.find('=');
			if (equals == std::string::npos)
				throw tool::InputError("--set needs NAME=VALUE, got " + headless::resources::Quote(text));
			edits.push_back({ text.substr(0, equals), text.substr(equals + 1) });
		}
		else if (option == options.unset)
			edits.push_back({ options.unsets.at(nextUnset++), std::nullopt });
	}
	return edits;
}

} // namespace

int main(int argc, char** argv)
{
	tool::CommandLine commandLine(argc, argv);
	tool::CheckedOutput output;
	CLI::App app("Drives the Pointsmith module through a headless host.", "pointsmith-host");
	app.require_subcommand(0, 1);
	app.fallthrough();
	// Options start with dashes on every system: /presets/wide.arr is a path,
	// never a Windows-style option.
	app.allow_windows_style_options(false);
	std::string moduleFile;
	app.add_option("--module", moduleFile, "the module file (default: " + headless::ToUtf8(tool::DefaultModuleFile({})) + " beside the tool)");
	bool version = false;
	app.add_flag("--version", version, "print the tool's version and the module's");

	CLI::App* info = app.add_subcommand("info", "show the module's identity, registration and start-up console");
	CLI::App* params = app.add_subcommand("params", "show every parameter of a new arrow");
	ArrowOptions paramsOptions;
	AddArrowOptions(*params, paramsOptions);
	bool describe = false;
	std::string describeFormat = "json";
	CLI::Option* describeOption = params->add_flag("--describe", describe, "show what the attribute manager shows: labels, groups, units, ranges, choices");
	params->add_option("--format", describeFormat, "with --describe: json (default) or text, a table to read")->check(CLI::IsMember({ "json", "text" }))->needs(describeOption);
	CLI::App* preset = app.add_subcommand("preset", "load or save preset files through the arrow's buttons");
	preset->require_subcommand(1);
	std::string presetFile;
	CLI::App* presetShow = preset->add_subcommand("show", "load FILE into a new arrow and show its preset values");
	presetShow->add_option("FILE", presetFile, "the preset file; .arr is added unless FILE ends in it, as save adds it")->required();
	std::string presetFormat = "json";
	presetShow->add_option("--format", presetFormat, "json (default) or text, one NAME=VALUE a line")->check(CLI::IsMember({ "json", "text" }));
	CLI::App* presetSave = preset->add_subcommand("save", "save a new arrow as FILE");
	presetSave->add_option("FILE", presetFile, "the preset file")->required();
	ArrowOptions saveOptions;
	saveOptions.set = AddRepeatable(*presetSave, "--set", saveOptions.sets, "set a parameter of the arrow before saving; one --set for each (`params` lists the names)", "NAME=VALUE");
	CLI::App* outline = app.add_subcommand("outline", "print the contour of a new arrow");
	ArrowOptions outlineOptions;
	AddArrowOptions(*outline, outlineOptions);
	tool::OutlineFormat format;
	outline->add_option("--format", format.kind, "json (default), svg or obj")->check(CLI::IsMember({ "json", "svg", "obj" }));
	outline->add_flag("--axis", format.axes, "svg: draw the axes through the origin");
	outline->add_flag("--order", format.order, "svg: number the points in their order (a rounded outline's corners before rounding)");
	outline->add_option("--scale", format.unitsPerPixel, "svg: draw at this many scene units a pixel instead of fitting the view")
		->type_name("UNITS_PER_PIXEL")
		->check(CLI::Validator([](const std::string& text) {
			const std::string problem = tool::ScaleProblem(text);
			return problem.empty() ? problem : problem + ": " + text;
		}, "", ""));
	outline->add_option("--preset", format.preset, "load a preset file into the arrow before --set and --unset")->type_name("FILE");
	std::string pathText;
	bool pathClosed = false;
	CLI::Option* pathOption = outline->add_option("--path", pathText, "make the arrow follow a new linear spline through these points")
								  ->type_name("\"x,y[,z] x,y[,z] ...\"");
	outline->add_flag("--path-closed", pathClosed, "with --path: close the spline")->needs(pathOption);
	CLI::App* script = app.add_subcommand("script", "run a script of commands against a scene");
	std::string scriptFile;
	script->add_option("FILE", scriptFile, "the script, or - for standard input")->required();

	try
	{
		app.parse(commandLine.Count(), commandLine.Words());
	}
	catch (const CLI::CallForHelp& help)
	{
		return Flushed(output, app.exit(help));
	}
	catch (const CLI::ParseError& error)
	{
		const std::vector<std::string> words(commandLine.Words() + 1, commandLine.Words() + commandLine.Count());
		std::cerr << "pointsmith-host: " << tool::ArgumentError(app, words, error.what()) << '\n';
		return EXIT_INPUT;
	}
	// Without a command the tool says how it is used.
	if (app.get_subcommands().empty() && !version)
	{
		std::cerr << app.help();
		return EXIT_INPUT;
	}

	try
	{
		const std::filesystem::path module = moduleFile.empty() ? tool::DefaultModuleFile(tool::ExecutableDirectory()) : headless::FromUtf8(moduleFile);
		// Input is checked before the module starts wherever that is possible.
		std::vector<tool::ParameterEdit> edits;
		if (*params)
			edits = OrderedEdits(*params, paramsOptions);
		if (*outline)
			edits = OrderedEdits(*outline, outlineOptions);
		if (*presetSave)
			edits = OrderedEdits(*presetSave, saveOptions);
		tool::OutlinePath path;
		if (*outline)
		{
			tool::CheckOutlineFormat(format);
			if (*pathOption)
				path = tool::ReadOutlinePath(pathText, pathClosed);
		}
		const std::string scriptText = *script ? tool::ReadScript(scriptFile) : std::string();

		if (version)
			return Flushed(output, tool::RunVersion(module, std::cout));
		tool::Session session(module);
		if (*script)
			return Flushed(output, tool::RunScript(session, scriptText, std::cout, std::cerr, scriptFile));
		if (*info)
			return Flushed(output, tool::RunInfo(session, std::cout));
		if (*outline)
			return Flushed(output, tool::RunOutline(session, outlineOptions.empty, edits, format, path, std::cout, std::cerr));
		if (*presetShow)
			return Flushed(output, tool::RunPresetShow(session, presetFile, presetFormat, std::cout, std::cerr));
		if (*presetSave)
			return Flushed(output, tool::RunPresetSave(session, presetFile, edits, std::cout, std::cerr));
		if (describe)
			return Flushed(output, tool::RunDescribe(session, paramsOptions.empty, edits, describeFormat, std::cout));
		return Flushed(output, tool::RunParams(session, paramsOptions.empty, edits, std::cout));
	}
	catch (const tool::CommandFailure& error)
	{
		return Report(error, EXIT_FAILED);
	}
	catch (const tool::InputError& error)
	{
		return Report(error, EXIT_INPUT);
	}
	catch (const tool::HostError& error)
	{
		return Report(error, EXIT_HOST);
	}
	// Anything else the headless host threw: a library's own text means nothing to a user.
	catch (const std::bad_alloc&)
	{
		return Report(std::runtime_error("out of memory"), EXIT_HOST);
	}
	catch (const std::exception&)
	{
		return Report(std::runtime_error("the headless host failed unexpectedly"), EXIT_HOST);
	}
}
