#include "tool/script/names.h"

#include <algorithm>
#include <cctype>

#include "headless/resources/utf8.h"
#include "tool/parameter_input.h"

namespace tool::script
{

namespace
{

using headless::resources::Quote;

bool IsName(const std::string& name)
{
	return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

headless::Object* Step(headless::Scene& scene, headless::Object* object, const std::string& step)
{
	if (step == "up")
		return object->parent;
	if (step == "down")
		return object->children.empty() ? nullptr : object->children.front();
	if (step == "last")
		return object->children.empty() ? nullptr : object->children.back();
	if (step == "next")
		return scene.Next(object);
	if (step == "prev")
		return scene.Pred(object);
	throw InputError("unknown step " + Quote("." + step) + " (steps: .up, .down, .last, .next, .prev)");
}

} // namespace

void Names::CheckNew(const std::string& name) const
{
	if (!IsName(name))
		throw InputError("bad name " + Quote(name) + " (letters, digits and underscores)");
	if (_objects.count(name))
		throw InputError("the name " + Quote(name) + " is given already");
}

void Names::Add(const std::string& name, headless::Object* object)
{
	CheckNew(name);
	_objects.emplace(name, object);
}

headless::Object* Names::Resolve(headless::Scene& scene, const std::string& reference) const
{
	std::size_t dot = reference.find('.');
	const std::string name = reference.substr(0, dot);
	auto found = _objects.find(name);
	if (found == _objects.end())
		throw InputError("unknown object " + Quote(name));
	headless::Object* object = found->second;
	while (dot != std::string::npos && object)
	{
		const std::size_t next = reference.find('.', dot + 1);
		object = Step(scene, object, reference.substr(dot + 1, next - dot - 1)); // the rest when there is no next dot
		dot = next;
	}
	if (!object)
		throw InputError(Quote(reference) + " reaches no object");
	if (!object->document)
		throw InputError(Quote(reference) + " is not in the scene");
	return object;
}

} // namespace tool::script
