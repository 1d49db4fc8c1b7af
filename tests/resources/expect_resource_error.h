// ExpectResourceError: asserts that an action throws a ResourceError for the
// given file and line whose message contains a fragment.
#pragma once

#include <string_view>

#include <gtest/gtest.h>

#include "headless/resources/resource_error.h"

template <typename Action>
void ExpectResourceError(Action&& action, std::string_view file, int line, std::string_view fragment)
{
	try
	{
		action();
		ADD_FAILURE() << "no ResourceError; expected " << file << ":" << line << " " << fragment;
	}
	catch (const headless::resources::ResourceError& error)
	{
		EXPECT_EQ(error.file, file) << error.what();
		EXPECT_EQ(error.line, line) << error.what();
		EXPECT_NE(std::string_view(error.what()).find(fragment), std::string_view::npos) << error.what();
	}
}
