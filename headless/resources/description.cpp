#include "headless/resources/description.h"

#include <algorithm>

namespace headless::resources {

bool DescriptionElement::IsParameter() const
{
	return kind != ElementKind::Group && kind != ElementKind::Separator;
}

const DescriptionElement* Description::Find(int32_t id) const
{
	const auto found = std::ranges::find_if(elements, [id](const DescriptionElement& element) {
		return !element.symbol.empty() && element.id == id;
	});
	return found == elements.end() ? nullptr : &*found;
}

const DescriptionElement* Description::FindSymbol(std::string_view symbol) const
{
	if (symbol.empty())
		return nullptr;
	const auto found = std::ranges::find(elements, symbol, &DescriptionElement::symbol);
	return found == elements.end() ? nullptr : &*found;
}

}
