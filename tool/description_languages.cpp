#include "tool/description_languages.h"

#include <algorithm>

#include "headless/resources/resource_folder.h"
#include "headless/resources/source_files.h"
#include "tool/session.h"

namespace tool
{

using headless::resources::Description;
using headless::resources::DescriptionElement;

DescriptionLanguages::DescriptionLanguages(const Description& registered, const std::string& language)
{
	if (registered.folder.empty())
	{
		_languages.emplace_back(language, registered);
		return;
	}
	try
	{
		for (const std::string& carried : headless::resources::CarriedLanguages(registered.folder))
			_languages.emplace_back(carried, headless::resources::ResourceFolder::Load(registered.folder, carried).LoadDescription(registered.name));
	}
	catch (const headless::resources::ResourceError& error)
	{
		throw HostError(std::string("the module's resources: ") + error.what());
	}
}

Labels DescriptionLanguages::Of(std::int32_t id) const
{
	Labels labels;
	for (const auto& [language, description] : _languages)
	{
		if (const DescriptionElement* element = description.Find(id))
			labels.emplace_back(language, element->label);
	}
	return labels;
}

Labels DescriptionLanguages::OfCycleEntry(std::int32_t id, std::int32_t value) const
{
	Labels labels;
	for (const auto& [language, description] : _languages)
	{
		const DescriptionElement* element = description.Find(id);
		if (!element)
			continue;
		const auto entry = std::ranges::find(element->cycle, value, &headless::resources::CycleEntry::value);
		if (entry != element->cycle.end())
			labels.emplace_back(language, entry->label);
	}
	return labels;
}

Labels DescriptionLanguages::OfDescription() const
{
	Labels labels;
	for (const auto& [language, description] : _languages)
		labels.emplace_back(language, description.label);
	return labels;
}

std::string DescriptionLanguages::Names() const
{
	std::string names;
	for (const auto& language : _languages)
		names += (names.empty() ? "" : " / ") + language.first;
	return names;
}

std::string JoinedLabels(const Labels& labels)
{
	std::vector<std::string> seen;
	std::string joined;
	for (const auto& [language, text] : labels)
	{
		if (std::ranges::find(seen, text) != seen.end())
			continue;
		joined += (joined.empty() ? "" : " / ") + text;
		seen.push_back(text);
	}
	return joined;
}

} // namespace tool
