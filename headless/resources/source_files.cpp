#include "headless/resources/source_files.h"

#include <algorithm>
#include <optional>

#include "headless/resources/file_text.h"
#include "headless/resources/resource_error.h"

namespace headless::resources {

namespace {

// The most a resource file holds: a description or string table of a few
// hundred parameters is some kilobytes. A larger file is refused before it
// is parsed, however long parsing it would take.
constexpr std::uintmax_t kLargestSource = 1024 * 1024;

// Null when there is no such file; throws ResourceError saying why for a
// file that is there but cannot be read.
std::optional<SourceText> TryRead(const std::filesystem::path& folder, const std::filesystem::path& relative)
{
	std::string text;
	const FileProblem problem = ReadFileText(folder / relative, text, kLargestSource);
	if (problem == FileProblem::Missing)
		return std::nullopt;
	if (problem == FileProblem::TooLarge)
		throw ResourceError(relative.generic_string(), 0, "larger than 1 MiB");
	if (problem != FileProblem::None)
		throw ResourceError(relative.generic_string(), 0, "cannot be read: " + std::string(Describe(problem)));
	return SourceText{relative.generic_string(), std::move(text)};
}

constexpr std::string_view kStringsPrefix = "strings_";

std::filesystem::path StringsFolder(std::string_view language)
{
	return std::string(kStringsPrefix) + std::string(language);
}

// Whether a strings_<language> folder holds string tables, its own or its
// descriptions': an empty folder, or one of other files, carries no language.
bool HoldsStringTables(const std::filesystem::path& folder)
{
	std::error_code error;
	if (std::filesystem::is_regular_file(folder / "c4d_strings.str", error))
		return true;
	for (const auto& entry : std::filesystem::directory_iterator(folder / "description", error))
	{
		if (entry.path().extension() == ".str" && entry.is_regular_file(error))
			return true;
	}
	return false;
}

}

SourceText ReadSource(const std::filesystem::path& folder, const std::filesystem::path& relative)
{
	std::optional<SourceText> source = TryRead(folder, relative);
	if (!source)
		throw ResourceError::Missing(relative.generic_string());
	return std::move(*source);
}

SourceText ReadLocalizedSource(const std::filesystem::path& folder, const std::string& language, const std::filesystem::path& relative)
{
	if (std::optional<SourceText> localized = TryRead(folder, StringsFolder(language) / relative))
		return std::move(*localized);
	return ReadSource(folder, StringsFolder(kFallbackLanguage) / relative);
}

std::vector<std::string> CarriedLanguages(const std::filesystem::path& folder)
{
	std::vector<std::string> languages;
	std::error_code error;
	for (const auto& entry : std::filesystem::directory_iterator(folder, error))
	{
		const std::string name = entry.path().filename().string();
		if (entry.is_directory(error) && name.starts_with(kStringsPrefix) && name.size() > kStringsPrefix.size() && HoldsStringTables(entry.path()))
			languages.push_back(name.substr(kStringsPrefix.size()));
	}
	// The fallback first: its labels stand in wherever another language has none.
	std::ranges::sort(languages, [](const std::string& a, const std::string& b) {
		return std::make_pair(a != kFallbackLanguage, a) < std::make_pair(b != kFallbackLanguage, b);
	});
	return languages;
}

}
