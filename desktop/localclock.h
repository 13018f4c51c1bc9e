#pragma once

#include <ctime>

/// The wall-clock time now, broken down in the user's time zone. The standard call that
/// does this is not safe across threads and each system names its safe one differently.
std::tm LocalTimeNow();
