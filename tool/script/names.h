// The objects a script named with `new`, and the references that reach
// objects from them: NAME followed by any number of the steps .up (parent),
// .down (first child), .last (last child), .next and .prev.
#ifndef TOOL_SCRIPT_NAMES_H
#define TOOL_SCRIPT_NAMES_H

#include <map>
#include <string>

#include "headless/scene.h"

namespace tool::script
{

class Names
{
public:
	// Throws InputError unless the name is letters, digits and underscores and not given yet.
	void CheckNew(const std::string& name) const;
	void Add(const std::string& name, headless::Object* object);

	// The object a reference reaches; throws InputError when it reaches none
	// or an object that is not in the scene (one undo took out).
	headless::Object* Resolve(headless::Scene& scene, const std::string& reference) const;

private:
	std::map<std::string, headless::Object*> _objects;
};

} // namespace tool::script

#endif
