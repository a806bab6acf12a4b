// SPDX-License-Identifier: GPL-3.0-or-later
// The orbit recorder: at the end of every orbit its record goes to data-drift.txt, and the first eight orbits
// to the drift table; a record that cannot be written is reported, and so is the first one written again.

#include <algorithm>
#include <optional>
#include <string>

#include "toolkit/number_text.h"
#include "tracking/drift_file.h"
#include "ui/form_orbit.h"

namespace zephra {

using toolkit::numberText;
using toolkit::signedNumberText;

namespace {
constexpr const char* kNotWritten = "Drift file not written: ";
}  // namespace

void FormOrbit::Drifter() {
    // A run starts the file afresh; so does a later orbit when the header never reached the file.
    const bool startAfresh = st.Laps == 1 || !driftWriter_.continues(st.DriftFile);
    std::optional<tracking::DriftFileHead> head;
    if (startAfresh) {
        const int scale = std::clamp(static_cast<int>(st.TimeScaleIdx), 0, 18);
        head =
            tracking::DriftFileHead{.title = LaChirp[0].caption(), .scaleCaption = Optime[scale].caption()};
    }
    const std::string record = tracking::driftRecord(st, head);

    // A file that cannot be written costs the record, not the run: the statistics below go on as usual.
    // The notice's tooltip keeps the reason, whatever later notices the label shows, until a record is
    // written again.
    const std::optional<std::string> failure = driftWriter_.write(st.DriftFile, startAfresh, record);
    if (failure) {
        LaChirp[1].setCaption(kNotWritten + st.DriftFile + " (" + *failure + ")");
        LaChirp[1].setToolTip(kNotWritten + *failure + ". Orbit #" + signedNumberText(st.Laps) +
                              " and the records lost before it are missing from the file.");
    } else if (LaChirp[1].toolTip().starts_with(kNotWritten)) {
        LaChirp[1].setToolTip("");
        if (LaChirp[1].caption().starts_with(kNotWritten))
            LaChirp[1].setCaption("Drift file written again from orbit #" + signedNumberText(st.Laps) + ": " +
                                  st.DriftFile);
    }

    tracking::closeDriftOrbit(st);
    if (st.Laps >= 1 && st.Laps <= 8) {
        const int k = static_cast<int>(st.Laps);
        LaDrift[k].setCaption(numberText(st.FirstLaps[ChMinMax.ticked() ? 1 : 0][k]));
    }
}

}  // namespace zephra
