#include "headless/resources/source_files.h"

#include <fstream>
#include <iterator>
#include <optional>

#include "headless/resources/resource_error.h"

namespace headless::resources {

namespace {

std::optional<SourceText> TryRead(const std::filesystem::path& folder, const std::filesystem::path& relative)
{
	const std::filesystem::path path = folder / relative;
	if (!std::filesystem::is_regular_file(path))
		return std::nullopt;
	std::ifstream stream(path, std::ios::binary);
	std::string text((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
	if (stream.bad() || !stream.is_open())
		throw ResourceError(relative.generic_string(), 0, "cannot be read");
	return SourceText{relative.generic_string(), std::move(text)};
}

std::filesystem::path StringsFolder(std::string_view language)
{
	return "strings_" + std::string(language);
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

}
