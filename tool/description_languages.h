// A plug-in's description in every language its resources carry: the labels
// and cycle entries the attribute manager would show in each. Each language
// is read by the host's own resource parser from the folder the registered
// description came from.
#ifndef TOOL_DESCRIPTION_LANGUAGES_H
#define TOOL_DESCRIPTION_LANGUAGES_H

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "headless/resources/description.h"

namespace tool
{

// (language, text) pairs, the fallback language first.
using Labels = std::vector<std::pair<std::string, std::string>>;

class DescriptionLanguages
{
public:
	// Throws HostError when a language's files do not read; a description
	// with no folder stands for itself in `language`.
	DescriptionLanguages(const headless::resources::Description& registered, const std::string& language);

	// The label of the element with ID `id` in each language.
	Labels Of(std::int32_t id) const;
	// The label of entry `value` of cycle `id` in each language.
	Labels OfCycleEntry(std::int32_t id, std::int32_t value) const;
	// The description's own label in each language.
	Labels OfDescription() const;
	// "en-US / de-DE"
	std::string Names() const;

private:
	std::vector<std::pair<std::string, headless::resources::Description>> _languages;
};

// The labels joined with " / ", each text once: "Fins / Flossen", "Plane".
std::string JoinedLabels(const Labels& labels);

} // namespace tool

#endif
