#include "tool/argument_errors.h"

#include "tool/nearest_name.h"

namespace tool
{

namespace
{

// The option `name` (--long or -s) of the command or of a command it lies in.
const CLI::Option* FindOption(const CLI::App* command, const std::string& name)
{
	for (; command; command = command->get_parent())
	{
		for (const CLI::Option* option : command->get_options())
		{
			if (!option->get_positional() && option->check_name(name))
				return option;
		}
	}
	return nullptr;
}

std::vector<std::string> OptionNames(const CLI::App* command)
{
	std::vector<std::string> names;
	for (; command; command = command->get_parent())
	{
		for (const CLI::Option* option : command->get_options())
		{
			for (const std::string& name : option->get_lnames())
				names.push_back("--" + name);
		}
	}
	return names;
}

std::vector<const CLI::App*> Commands(const CLI::App* command)
{
	return command->get_subcommands([](const CLI::App*) { return true; });
}

// "show, save"
std::string CommandList(const CLI::App* command)
{
	std::string list;
	for (const CLI::App* subcommand : Commands(command))
		list += (list.empty() ? "" : ", ") + subcommand->get_name();
	return list;
}

const CLI::App* FindCommand(const CLI::App* command, const std::string& name)
{
	for (const CLI::App* subcommand : Commands(command))
	{
		if (subcommand->get_name() == name)
			return subcommand;
	}
	return nullptr;
}

} // namespace

std::string ArgumentError(const CLI::App& app, const std::vector<std::string>& words, const std::string& fallback)
{
	const CLI::App* command = &app;
	std::size_t positionals = 0; // the command's words that are not options
	for (std::size_t i = 0; i < words.size(); ++i)
	{
		const std::string& word = words[i];
		if (word == "--")
			break;
		if (word.size() > 1 && word[0] == '-')
		{
			const std::string name = word.substr(0, word.find('='));
			const CLI::Option* option = FindOption(command, name);
			if (!option)
			{
				const std::string nearest = DidYouMean(name, OptionNames(command));
				return "unknown option '" + name + "'" + (nearest.empty() ? " (see --help)" : nearest);
			}
			// An option's value is the next word unless it came with '='.
			if (option->get_items_expected_min() > 0 && name.size() == word.size())
				++i;
		}
		else if (!Commands(command).empty())
		{
			const CLI::App* subcommand = FindCommand(command, word);
			if (!subcommand)
				return "unknown command '" + word + "' (" + CommandList(command) + ")";
			command = subcommand;
			positionals = 0;
		}
		else if (++positionals > command->get_options([](const CLI::Option* option) { return option->get_positional(); }).size())
			return "unexpected argument '" + word + "'" + (command == &app ? "" : " for " + command->get_name());
	}
	if (command != &app && command->get_require_subcommand_min() > 0)
		return command->get_name() + " needs a command (" + CommandList(command) + ")";
	return fallback;
}

} // namespace tool
