// TempResourceFolder: a resource folder in a fresh temporary directory,
// removed again at the end of the test.
#pragma once

#include <filesystem>
#include <fstream>
#include <string_view>

#include <gtest/gtest.h>

class TempResourceFolder
{
public:
	TempResourceFolder()
	{
		const auto* test = testing::UnitTest::GetInstance()->current_test_info();
		_path = std::filesystem::temp_directory_path() / (std::string("resources_") + test->test_suite_name() + "_" + test->name());
		std::filesystem::remove_all(_path);
		std::filesystem::create_directories(_path);
	}
	~TempResourceFolder() { std::filesystem::remove_all(_path); }
	TempResourceFolder(const TempResourceFolder&) = delete;
	TempResourceFolder& operator=(const TempResourceFolder&) = delete;

	void Write(const std::filesystem::path& relative, std::string_view text) const
	{
		std::filesystem::create_directories((_path / relative).parent_path());
		std::ofstream(_path / relative, std::ios::binary) << text;
	}

	const std::filesystem::path& Path() const { return _path; }

private:
	std::filesystem::path _path;
};
