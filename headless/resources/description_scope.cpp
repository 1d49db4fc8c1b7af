#include "headless/resources/description_scope.h"

#include <algorithm>

namespace headless::resources {

const Description* DescriptionScope::FindDescription(std::string_view name) const
{
	const auto found = std::ranges::find(descriptions, name, &Description::name);
	return found == descriptions.end() ? nullptr : &*found;
}

}
