// An arrow in the headless host with its preset buttons at hand.
#ifndef TESTS_PRESETS_PRESET_TEST_SUPPORT_H
#define TESTS_PRESETS_PRESET_TEST_SUPPORT_H

#include <algorithm>

#include "tests/presets/preset_bytes.h"
#include "tests/support/module_test.h"

namespace tests
{

constexpr std::int32_t PRESET_LOAD = 10200;
constexpr std::int32_t PRESET_SAVE = 10210;

class PresetTest : public ModuleTest
{
protected:
	void SetUp() override
	{
		StartModule(PluginLayout { true, true, true });
		arrow = NewArrow();
		scratch = folder->Root().parent_path();
	}

	// Presses the load button with the dialog answered by `file`; true when
	// the module told the arrow a preset was loaded.
	bool Load(headless::Object* target, const std::filesystem::path& file)
	{
		host.fileDialogs.answers.push_back(file.string());
		return Press(target, PRESET_LOAD);
	}
	bool Load(const std::filesystem::path& file) { return Load(arrow, file); }

	void Save(const std::filesystem::path& file)
	{
		host.fileDialogs.answers.push_back(file.string());
		Press(arrow, PRESET_SAVE);
	}

	bool Press(headless::Object* target, std::int32_t button)
	{
		target->messages.clear();
		host.PressButton(target, button);
		return std::count(target->messages.begin(), target->messages.end(), 5) > 0;
	}

	headless::Object* arrow = nullptr;
	std::filesystem::path scratch;
};

} // namespace tests

#endif
