// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The web site whose articles the windows link to.

#include <string>
#include <string_view>

namespace zephra {

inline constexpr std::string_view kWebSiteBase = "https://zephra.example.org";

// The site's host name, as the farewell window's link button shows it.
inline constexpr std::string_view kWebSiteHost = kWebSiteBase.substr(kWebSiteBase.find("//") + 2);

// The base address followed by a path ("/" for the site root); an empty path gives the bare base address.
inline std::string webAddress(std::string_view path) {
    return std::string(kWebSiteBase) + std::string(path);
}

}  // namespace zephra
