#include "tool/script/script.h"

#include <map>

#include "headless/host_objects.h"
#include "headless/resources/utf8.h"
#include "tool/object_kinds.h"
#include "tool/parameter_input.h"
#include "tool/point_input.h"
#include "tool/script/parameters.h"

namespace tool::script
{

Script::Script(headless::Host& host, headless::Document& document, std::ostream& out) : _host(host), _document(document), _out(out)
{
}

void Script::Run(const Words& words)
{
	if (words.empty())
		return;
	static const std::map<std::string, void (Script::*)(const Words&)> COMMANDS = { { "new", &Script::New }, { "move", &Script::Move },
		{ "set", &Script::Set }, { "link", &Script::Link }, { "matrix", &Script::Matrix }, { "points", &Script::Points },
		{ "press", &Script::Press }, { "plane", &Script::Plane },
		{ "answer", &Script::Answer }, { "undo", &Script::Undo }, { "redo", &Script::Redo }, { "print", &Script::Print } };
	auto command = words[0].quoted ? COMMANDS.end() : COMMANDS.find(words[0].text);
	if (command == COMMANDS.end())
		throw InputError("unknown command " + headless::resources::Quote(words[0].text));
	(this->*command->second)(words);
}

headless::Object* Script::Resolve(const Word& reference) const
{
	return _names.Resolve(_host.scene, reference.text);
}

void Script::New(const Words& words)
{
	if (words.size() != 3)
		throw InputError("usage: new KIND NAME (KIND: arrow, null, spline, extrude, cloner, wrap)");
	const std::int32_t type = KindType(words[1].text);
	if (type == 0)
		throw InputError("unknown kind " + headless::resources::Quote(words[1].text) + " (arrow, null, spline, extrude, cloner, wrap)");
	_names.CheckNew(words[2].text);
	headless::Object* object = _host.NewObjectFromMenu(&_document, type, words[2].text);
	if (!object)
		throw HostError("the module could not make " + words[1].text + " '" + words[2].text + "'");
	_names.Add(words[2].text, object);
}

void Script::Move(const Words& words)
{
	const bool top = words.size() == 3 && words[2].Is("top");
	if (!top && !(words.size() == 4 && words[2].Is("under")))
		throw InputError("usage: move REF under REF2 | move REF top");
	headless::Object* object = Resolve(words[1]);
	headless::Object* parent = top ? nullptr : Resolve(words[3]);
	if (!_host.MoveObject(object, parent))
		throw InputError("cannot move " + headless::resources::Quote(words[1].text) + " under itself or its own descendant");
}

void Script::Set(const Words& words)
{
	if (words.size() != 4)
		throw InputError("usage: set REF PARAM VALUE");
	headless::Object* object = Resolve(words[1]);
	const Parameter parameter = FindObjectParameter(*object, words[2].text);
	_host.SetParameter(object, parameter.id, ReadParameterValue(*object, parameter, words[3].text));
}

void Script::Link(const Words& words)
{
	if (words.size() != 4)
		throw InputError("usage: link REF PARAM REF2|none");
	headless::Object* object = Resolve(words[1]);
	const Parameter parameter = FindObjectParameter(*object, words[2].text);
	CheckLinkParameter(*object, parameter);
	headless::Object* target = words[3].Is("none") ? nullptr : Resolve(words[3]);
	_host.SetParameter(object, parameter.id, headless::Link { target ? target->Id() : 0 });
}

void Script::Matrix(const Words& words)
{
	const auto vector = [&](std::size_t at) { return words.size() == 6 ? ReadValueAs(headless::ValueKind::Vector, words[at].text) : std::nullopt; };
	const std::optional<headless::Value> off = vector(2), v1 = vector(3), v2 = vector(4), v3 = vector(5);
	if (!off || !v1 || !v2 || !v3)
		throw InputError("usage: matrix REF OFF V1 V2 V3 (each x,y,z)");
	headless::Object* object = Resolve(words[1]);
	_host.SetMatrix(object, { std::get<headless::Vector3>(*off), std::get<headless::Vector3>(*v1), std::get<headless::Vector3>(*v2),
		std::get<headless::Vector3>(*v3) });
}

void Script::Points(const Words& words)
{
	if (words.size() < 3)
		throw InputError("usage: points REF x,y,z x,y,z ...");
	headless::Object* object = Resolve(words[1]);
	if (!headless::IsSpline(*object))
		throw InputError(headless::resources::Quote(words[1].text) + " is not a spline");
	std::vector<std::string> texts;
	for (std::size_t i = 2; i < words.size(); ++i)
		texts.push_back(words[i].text);
	_host.SetPoints(object, ReadPoints(texts));
}

void Script::Press(const Words& words)
{
	if (words.size() != 3)
		throw InputError("usage: press REF BUTTON");
	headless::Object* object = Resolve(words[1]);
	const Parameter parameter = FindObjectParameter(*object, words[2].text);
	CheckButton(parameter);
	_host.PressButton(object, parameter.id);
}

void Script::Plane(const Words& words)
{
	std::int32_t plane = -1;
	if (words.size() != 2 || !ReadInteger(words[1].text, plane) || plane < 0 || plane > 2)
		throw InputError("usage: plane 0|1|2 (XY, ZY, XZ)");
	_document.splinePlane = plane;
}

void Script::Answer(const Words& words)
{
	if (words.size() != 2)
		throw InputError("usage: answer PATH|cancel");
	if (words[1].Is("cancel"))
		_host.fileDialogs.answers.push_back(std::nullopt);
	else if (!headless::resources::IsValidUtf8(words[1].text))
		throw InputError("bad path " + headless::resources::Quote(words[1].text) + " (the host's paths are UTF-8 text)");
	else
		_host.fileDialogs.answers.push_back(words[1].text);
}

void Script::Undo(const Words& words)
{
	if (words.size() == 1)
	{
		_host.undo.TakeBack(_document);
		return;
	}
	std::int32_t depth = 0;
	if (words.size() != 3 || !words[1].Is("depth") || !ReadInteger(words[2].text, depth) || depth < 1 ||
		!_host.undo.SetDepth(_document, static_cast<std::size_t>(depth)))
		throw InputError("usage: undo | undo depth N (N at least 1)");
}

void Script::Redo(const Words& words)
{
	if (words.size() != 1)
		throw InputError("usage: redo");
	_host.undo.Replay(_document);
}

} // namespace tool::script
