// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <ostream>

namespace orvanta {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const Rgb&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Rgb& c) {
    return out << "RGB(" << int{c.r} << ", " << int{c.g} << ", " << int{c.b} << ")";
}

}  // namespace orvanta
