#include "headless/resources/resource_folder.h"

#include "headless/resources/description_builder.h"
#include "headless/resources/enum_header.h"
#include "headless/resources/file_text.h"
#include "headless/resources/host_descriptions.h"
#include "headless/resources/labels.h"
#include "headless/resources/lexer.h"
#include "headless/resources/source_files.h"
#include "headless/resources/utf8.h"

namespace headless::resources {

ResourceFolder ResourceFolder::Load(const std::filesystem::path& folder, const std::string& language)
{
	if (const FileProblem problem = CheckFolder(folder); problem == FileProblem::Missing)
		throw ResourceError::Missing(folder.string());
	else if (problem != FileProblem::None)
		throw ResourceError(folder.string(), 0, "cannot be read: " + std::string(Describe(problem)));
	const SourceText header = ReadSource(folder, "c4d_symbols.h");
	const std::vector<EnumEntry> symbols = ParseEnumHeader(header.text, header.file);
	const LabelTable texts = ParseLabels(ReadLocalizedSource(folder, language, "c4d_strings.str"), "", symbols, header.file);
	std::map<int32_t, std::string> strings;
	for (const EnumEntry& symbol : symbols)
	{
		if (const auto text = texts.find(symbol.name); text != texts.end())
			strings.emplace(symbol.value, text->second);
	}
	return ResourceFolder(folder, language, std::move(strings));
}

ResourceFolder::ResourceFolder(std::filesystem::path folder, std::string language, std::map<int32_t, std::string> strings)
	: _folder(std::move(folder)), _language(std::move(language)), _strings(std::move(strings))
{
}

const std::string* ResourceFolder::FindString(int32_t id) const
{
	const auto found = _strings.find(id);
	return found == _strings.end() ? nullptr : &found->second;
}

std::vector<int32_t> ResourceFolder::StringIds() const
{
	std::vector<int32_t> ids;
	for (const auto& [id, text] : _strings)
		ids.push_back(id);
	return ids;
}

Description ResourceFolder::LoadDescription(const std::string& name) const
{
	const std::filesystem::path base = std::filesystem::path("description") / name;
	// The name becomes part of file paths: anything but an identifier could
	// lead outside the folder.
	if (!IsIdentifier(name))
		throw ResourceError("description/" + Excerpt(name), 0, "not a valid description name");
	const DescriptionSources sources{
		ReadSource(_folder, base.string() + ".h"),
		ReadSource(_folder, base.string() + ".res"),
		ReadLocalizedSource(_folder, _language, base.string() + ".str"),
	};
	DescriptionScope scope = HostScope();
	Description description = BuildDescription(name, sources, scope);
	description.folder = _folder;
	return description;
}

}
