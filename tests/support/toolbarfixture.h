#pragma once

#include "tests/support/toolbarbed.h"

#include <gtest/gtest.h>

/// The toolbar bed as a GoogleTest fixture.
class ToolbarFixture : public ::testing::Test, public ToolbarBed
{
};
