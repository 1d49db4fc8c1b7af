#include "headless/resources/element_kind.h"

#include <array>
#include <utility>

namespace headless::resources {

namespace {

constexpr std::array<std::pair<ElementKind, std::string_view>, 9> kKeywords{{
	{ElementKind::Real, "REAL"},
	{ElementKind::Long, "LONG"},
	{ElementKind::Bool, "BOOL"},
	{ElementKind::String, "STRING"},
	{ElementKind::Link, "LINK"},
	{ElementKind::Button, "BUTTON"},
	{ElementKind::Vector, "VECTOR"},
	{ElementKind::Separator, "SEPARATOR"},
	{ElementKind::Group, "GROUP"},
}};

}

std::string_view KeywordOf(ElementKind kind)
{
	for (const auto& [candidate, keyword] : kKeywords)
	{
		if (candidate == kind)
			return keyword;
	}
	return {};
}

std::optional<ElementKind> ElementKindOf(std::string_view keyword)
{
	for (const auto& [kind, candidate] : kKeywords)
	{
		if (candidate == keyword)
			return kind;
	}
	return std::nullopt;
}

}
