#pragma once

#include "tests/support/toolbarbed.h"

#include <gtest/gtest.h>

namespace toolbar {

/// The toolbar bed as a GoogleTest fixture.
class ToolbarFixture : public ::testing::Test, public ToolbarBed
{
};

} // namespace toolbar
