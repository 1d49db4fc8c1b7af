#include "headless/resources/host_descriptions.h"

#include "headless/resources/description_builder.h"
#include "headless/resources/host_description_texts.h"

namespace headless::resources {

namespace {

SourceText Embedded(std::string_view name, std::string_view extension, std::string_view text)
{
	return {"host/" + std::string(name) + std::string(extension), std::string(text)};
}

DescriptionScope BuildHostScope()
{
	DescriptionScope scope;
	for (const EmbeddedDescription& texts : HostDescriptionTexts())
	{
		const DescriptionSources sources{
			Embedded(texts.name, ".h", texts.header),
			Embedded(texts.name, ".res", texts.resource),
			Embedded(texts.name, ".str", texts.strings),
		};
		scope.descriptions.push_back(BuildDescription(std::string(texts.name), sources, scope));
	}
	return scope;
}

}

const DescriptionScope& HostScope()
{
	static const DescriptionScope scope = BuildHostScope();
	return scope;
}

}
