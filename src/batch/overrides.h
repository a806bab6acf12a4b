// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's controls a sweep changes after the scenario has loaded, set the way a user sets them: a tick
// is clicked, a number is typed into its box and the box is left, a body is edited in the paused body
// editor. The window's own handlers do the rest, so a run with overrides computes what the window would.

#include <optional>
#include <string>
#include <vector>

#include "ui/form_orbit.h"

namespace zephra::batch {

// In the order they are applied: the physics options top to bottom (Cosmos(0..5)), the boxes of the
// gravity-delay panel and of the dark cloud, then the body editor's boxes TXTp(0..4). Ticking an option can
// reset a box (ticking Special Relativity with General Relativity off sets the speed of gravity to 0), so
// the boxes come after every tick, whatever the order on the command line. The enum gives only that order;
// the control each one sets is named by member where it is applied.
enum class OverrideControl {
    Newton,
    SpecialRelativity,
    Vessor,
    GeneralRelativity,
    DarkCloud,
    Bounce,
    GravitySpeed,
    GravityExponent,
    DarkFriction,
    BodyX,
    BodyY,
    BodyVx,
    BodyVy,
    BodyMass,
};

struct Override {
    OverrideControl control;
    std::string option;  // "--gravity-speed"
    std::string given;   // the value as given: "2.5", "1:0.6" for a body
    int body = -1;       // 0..2 for the body editor's boxes
    std::string text;    // what is typed into the control, as it stands
    double value = 0;    // the number the text holds

    // How the summary names it: the option without its dashes, ":B" added for a body.
    std::string key() const;
};

// Adds "--option value" to the overrides; why the value is refused, if it is. Refused here is what cannot be
// typed or clicked as given: text that is not a number or has more digits than a box keeps, a tick other
// than 0 or 1, a body other than 0..2. What the window then keeps is for its own handlers to say: see
// applyOverrides.
std::optional<std::string> addOverride(std::vector<Override>& overrides, OverrideControl control,
                                       const std::string& option, const std::string& value);

// Sets the controls on a window whose scenario has just started; why the window did not take one, if so:
// its handlers changed the value (an exponent outside 0.4..2.6, a negative speed of gravity, a position
// outside the window), a later setting undid it, or its option is not ticked.
std::optional<std::string> applyOverrides(FormOrbit& form, std::vector<Override> overrides);

// After the run's first tick, which reads the controls and may change them itself (a speed of gravity of 0
// unticks General Relativity): nothing while the ticks and boxes still hold what was set, else why one does
// not. The bodies have moved on by then and are not compared.
std::optional<std::string> overridesUndoneByFirstTick(FormOrbit& form,
                                                      const std::vector<Override>& overrides);

}  // namespace zephra::batch
