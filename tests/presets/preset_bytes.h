// Preset files written byte by byte, as a test needs them: valid, old,
// truncated or hostile.
#ifndef TESTS_PRESETS_PRESET_BYTES_H
#define TESTS_PRESETS_PRESET_BYTES_H

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tests
{

class PresetBytes
{
public:
	PresetBytes& Int(std::int32_t value)
	{
		const auto bits = static_cast<std::uint32_t>(value);
		for (int shift = 24; shift >= 0; shift -= 8)
			bytes.push_back(static_cast<char>((bits >> shift) & 0xFF));
		return *this;
	}
	PresetBytes& Real(float value)
	{
		std::int32_t bits = 0;
		std::memcpy(&bits, &value, sizeof bits);
		return Int(bits);
	}
	PresetBytes& Flag(bool value)
	{
		bytes.push_back(value ? 1 : 0);
		return *this;
	}
	// A text record: its length with the zero byte, the text, the zero byte.
	PresetBytes& Text(const std::string& text)
	{
		Int(static_cast<std::int32_t>(text.size() + 1));
		bytes.append(text);
		bytes.push_back('\0');
		return *this;
	}
	PresetBytes& Raw(const std::string& raw)
	{
		bytes.append(raw);
		return *this;
	}

	// A whole file of `version` with the arrow's defaults and preset name `name`.
	static PresetBytes Standard(const std::string& version = "# Version 1.3", const std::string& name = "")
	{
		PresetBytes file;
		file.Text("# Pointsmith preset file").Text(version).Text("# Start of parameters").Text(name);
		file.Real(100.0f).Real(50.0f).Real(0.0f).Flag(false).Flag(false).Real(50.0f);
		if (version == "# Version 1.3" || version == "# Version 1.2")
			file.Flag(false).Real(400.0f).Real(100.0f);
		file.Flag(true).Real(400.0f).Real(100.0f).Real(0.0f).Real(0.0f).Real(0.0f).Flag(false).Real(100.0f).Real(50.0f).Real(50.0f);
		file.Int(0).Flag(false).Int(3).Int(8).Real(0.0872664600610733f).Real(5.0f);
		return file;
	}

	void WriteTo(const std::filesystem::path& path) const
	{
		std::ofstream(path, std::ios::binary) << bytes;
	}

	std::string bytes;
};

inline std::string ReadBytes(const std::filesystem::path& path)
{
	std::ifstream in(path, std::ios::binary);
	return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace tests

#endif
