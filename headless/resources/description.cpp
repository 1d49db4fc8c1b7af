#include "headless/resources/description.h"

#include <algorithm>
#include <numbers>

namespace headless::resources {

bool DescriptionElement::IsParameter() const
{
	return kind != ElementKind::Group && kind != ElementKind::Separator;
}

namespace {

// How many shown units make one stored unit.
double ShownPerStored(const std::string& unit)
{
	if (unit == "PERCENT")
		return 100.0;
	if (unit == "DEGREE")
		return 180.0 / std::numbers::pi;
	return 1.0;
}

}

double DescriptionElement::Stored(double declared) const
{
	return declared / ShownPerStored(unit);
}

double DescriptionElement::Shown(double stored) const
{
	return stored * ShownPerStored(unit);
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
