// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The explanation shown under the physics options while an option is ticked, one per option of the
// "Physical Cosmology:" panel.

#include <array>
#include <string_view>

namespace zephra {

inline constexpr std::array<std::string_view, 6> kCosmosExplanations{
    // Newton's Gravity
    "All these options for physical cosmology require quantum time. Without quantum time dynamic "
    "evolutionary "
    "computation would be impossible. The foundational Newtonian paradigm makes no adjustments other than "
    "quantum "
    "time beyond the standard Newtonian model. This is why all orbits return to their starting point if only "
    "this "
    "option is selected. However, if the user sets the rate of elapsed time too fast, the error margin can "
    "become "
    "incrementally worse. The slower the elapse of time - the better the margin of error will become. See "
    "online "
    "help for details.",
    // Special Relativity
    "Special Relativity reduces the velocity that an object gains as it accelerates towards the velocity of "
    "light, "
    "so no body can ever reach C. Even at ordinary orbital speeds the reduction is not zero, and over many "
    "orbits it "
    "adds up: scenario 15 shows the satellite 'Daedalus' spiralling in towards the Sun because of it, and "
    "scenario 5 "
    "shows Mercury spiralling in by about 2 km per orbit at its furthest point. Compare it with scenario 18, "
    "the "
    "same Mercury under Newton alone, whose orbit returns to its start. The links below lead to articles on "
    "the "
    "subject.",
    // Tor Varn's Vessor Theory
    "The Vessor Theory keeps the mass of a body constant, as atomic mass is constant, instead of letting it "
    "grow "
    "with velocity as relativity has it. What relativity would add as mass is added here as spin: the body "
    "turns "
    "faster about its axis (its angular velocity grows) as it nears the velocity of light. The limit at the "
    "velocity of light still holds for particles, so the Einstein formula must be selected as well. When the "
    "edge "
    "of a spinning body reaches C, the body can spin no faster and sheds mass instead: matter spins off it.",
    // General Relativity
    "General Relativity claims that nothing can travel faster than light, and that gravity itself travels at "
    "the "
    "same velocity that light does. So because the gravity travels between the bodies, the position of a "
    "body is "
    "not the same as the source position (or gravity origin) of that body. The option 'Gravity Velocity "
    "Details' "
    "gives the difference in km between the body and the gravity origin. This is a result of the velocity of "
    "that "
    "body and the distance between the bodies. 2 methods are used to calculate this, with varying accuracy "
    "depending on various parameters.",
    // Dark Cloud
    "Dark Cloud seems a very simple explanation for the merger of the super-massive binary. This involves a "
    "cloud "
    "of heavy dark matter passing through the binary system. Dark matter is simply matter that cannot be "
    "observed "
    "as it emits no energy. It can only be detected due to its gravitational affect. Here its affect is to "
    "simply "
    "act as friction, slowing all objects, ultimately causing the ringdown. This is expressed simply as a "
    "theoretical possibility.",
    // Bounce
    "Objects behave as solids. Un-ticked they are as fluids. The bounce is only correct if the pair have "
    "equal mass "
    "and equal velocity in this version. The option to the furthest right of 'Bounce' is the 'spin yield'. "
    "If the "
    "combined spin of the pair falls below this point, they will no longer bounce, but instead begin to "
    "combine as "
    "fluids.",
};

}  // namespace zephra
