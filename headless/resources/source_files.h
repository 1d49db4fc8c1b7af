// Reading the files of a resource folder, with the language fallback of
// string tables.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "headless/resources/source_text.h"

namespace headless::resources {

// The language whose string tables stand in for those another language lacks.
inline constexpr std::string_view kFallbackLanguage = "en-US";

// File `relative` of resource folder `folder`; throws ResourceError
// "<relative>: missing" when there is no such file.
SourceText ReadSource(const std::filesystem::path& folder, const std::filesystem::path& relative);

// File `relative` of folder strings_<language>, or of strings_en-US when
// that language lacks it; throws ResourceError when both lack it, naming the
// en-US file.
SourceText ReadLocalizedSource(const std::filesystem::path& folder, const std::string& language, const std::filesystem::path& relative);

// The languages `folder` has string tables for (its strings_<language>
// folders that hold any): the fallback language first, the others in
// alphabetical order.
std::vector<std::string> CarriedLanguages(const std::filesystem::path& folder);

}
