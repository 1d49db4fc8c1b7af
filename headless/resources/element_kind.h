// The kinds of description elements and the .res keywords that declare them.
#pragma once

#include <optional>
#include <string_view>

namespace headless::resources {

enum class ElementKind { Real, Long, Bool, String, Link, Button, Vector, Separator, Group };

// "REAL", "LONG", "BOOL", "STRING", "LINK", "BUTTON", "VECTOR", "SEPARATOR", "GROUP".
std::string_view KeywordOf(ElementKind kind);

// The kind `keyword` declares; none for any other word.
std::optional<ElementKind> ElementKindOf(std::string_view keyword);

}
