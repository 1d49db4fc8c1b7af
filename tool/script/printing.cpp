// The print commands of a script.
#include <algorithm>
#include <iterator>

#include "headless/resources/utf8.h"
#include "tool/contour_output.h"
#include "tool/json_output.h"
#include "tool/object_kinds.h"
#include "tool/parameter_input.h"
#include "tool/product.h"
#include "tool/script/parameters.h"
#include "tool/script/script.h"

namespace tool::script
{

namespace
{

// Prints the items from `printed` on, and counts them as printed.
template <typename T, typename PRINT> void PrintSince(const std::vector<T>& items, std::size_t& printed, PRINT&& print)
{
	for (; printed < items.size(); ++printed)
		print(items[printed]);
}

// The words print takes in place of an object.
constexpr const char* PRINT_KEYWORDS[] = { "tree", "console", "dialogs", "filedialogs", "events", "undo", "enabled", "messages", "contour", "builds", "names" };

constexpr const char* PRINT_USAGE = "usage: print tree|console|dialogs|filedialogs|events|undo, print undo depth, print REF [PARAM], print enabled REF PARAM, "
									"print messages REF, print contour REF, print REF matrix, print builds REF, print names REF";

} // namespace

void Script::Print(const Words& words)
{
	const std::size_t count = words.size();
	const auto is = [&](std::size_t size, const char* keyword) { return count == size && words[1].Is(keyword); };
	if (is(2, "tree"))
		PrintTree();
	else if (is(2, "console"))
		PrintConsole();
	else if (is(2, "dialogs"))
		PrintDialogs();
	else if (is(2, "filedialogs"))
		PrintFileDialogs();
	else if (is(2, "events"))
	{
		_out << _host.events - _eventsPrinted << '\n';
		_eventsPrinted = _host.events;
	}
	else if (is(2, "undo"))
		_out << _host.undo.Steps(_document) << '\n';
	else if (is(3, "undo") && words[2].Is("depth"))
		_out << _host.undo.Depth(_document) << '\n';
	else if (is(4, "enabled"))
		PrintEnabled(Resolve(words[2]), words[3]);
	else if (is(3, "messages"))
		PrintMessages(Resolve(words[2]));
	else if (is(3, "contour"))
		PrintContour(words[2]);
	else if (is(3, "builds"))
		PrintBuilds(Resolve(words[2]));
	else if (is(3, "names"))
		PrintObject(Resolve(words[2]), true);
	else if (count == 3 && words[2].Is("matrix"))
		PrintMatrix(Resolve(words[1]));
	else if (count > 1 && std::any_of(std::begin(PRINT_KEYWORDS), std::end(PRINT_KEYWORDS), [&](const char* keyword) { return words[1].Is(keyword); }))
		throw InputError(PRINT_USAGE);
	else if (count == 2)
		PrintObject(Resolve(words[1]), false);
	else if (count == 3)
		PrintParameter(Resolve(words[1]), words[2]);
	else
		throw InputError(PRINT_USAGE);
}

void Script::PrintTree()
{
	// Depth first with a stack of its own, so that no depth of nesting overflows.
	std::vector<std::pair<const headless::Object*, std::size_t>> open;
	for (auto root = _document.roots.rbegin(); root != _document.roots.rend(); ++root)
		open.emplace_back(*root, 0);
	while (!open.empty())
	{
		const auto [object, level] = open.back();
		open.pop_back();
		_out << std::string(2 * level, ' ') << KindName(object->Type());
		if (!object->name.empty())
			_out << ' ' << object->name;
		_out << '\n';
		for (auto child = object->children.rbegin(); child != object->children.rend(); ++child)
			open.emplace_back(*child, level + 1);
	}
}

void Script::PrintContour(const Word& reference)
{
	headless::Object* object = Resolve(reference);
	if (object->Type() != ARROW_PLUGIN_ID)
		throw InputError(headless::resources::Quote(reference.text) + " is not an arrow");
	_out << Dump(ContourJson(_host, object)) << '\n';
}

void Script::PrintObject(headless::Object* object, bool byName)
{
	Json entries = Json::object();
	for (const auto& [id, value] : object->data.Entries())
		entries[byName ? ParameterName(*object, id) : std::to_string(id)] = ValueToJson(value, _host.scene);
	_out << Dump(entries) << '\n';
}

void Script::PrintBuilds(headless::Object* object)
{
	// As the host has it on screen: the scene evaluated, what changed rebuilt.
	if (object->document)
		_host.Evaluate(*object->document);
	_out << object->builds << '\n';
}

void Script::PrintMatrix(headless::Object* object)
{
	const headless::Matrix& matrix = object->matrix;
	Json json;
	json["off"] = matrix.off;
	json["v1"] = matrix.v1;
	json["v2"] = matrix.v2;
	json["v3"] = matrix.v3;
	_out << Dump(json) << '\n';
}

void Script::PrintParameter(headless::Object* object, const Word& parameter)
{
	const std::int32_t id = FindObjectParameter(*object, parameter.text).id;
	_out << Dump(ValueToJson(object->data.Get(id), _host.scene)) << '\n';
}

void Script::PrintEnabled(headless::Object* object, const Word& parameter)
{
	const std::int32_t id = FindObjectParameter(*object, parameter.text).id;
	_out << (_host.IsEnabled(object, id) ? "true" : "false") << '\n';
}

void Script::PrintMessages(headless::Object* object)
{
	_out << Dump(Json(object->messages)) << '\n';
	object->messages.clear();
}

void Script::PrintConsole()
{
	PrintSince(_host.console.lines, _consolePrinted, [&](const std::string& line) { _out << line << '\n'; });
}

void Script::PrintDialogs()
{
	PrintSince(_host.console.boxes, _dialogsPrinted, [&](const headless::MessageBox& box) {
		Json json;
		json["text"] = box.text;
		json["flags"] = box.flags;
		_out << Dump(json) << '\n';
	});
}

void Script::PrintFileDialogs()
{
	PrintSince(_host.fileDialogs.shown, _fileDialogsPrinted, [&](const headless::FileDialogShown& dialog) {
		Json json;
		json["mode"] = dialog.mode;
		json["start"] = dialog.start;
		_out << Dump(json) << '\n';
	});
}

} // namespace tool::script
