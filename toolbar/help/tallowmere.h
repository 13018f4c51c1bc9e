#pragma once

namespace toolbar {

/// Where the program's maker can be reached: the about box shows and opens these.
inline constexpr const char *TallowmereWebsite = "www.tallowmeresoftware.com";
inline constexpr const char *TallowmereSupportEmail = "support@tallowmeresoftware.com";

} // namespace toolbar
