// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/session_log.h"

#include <gtest/gtest.h>

#include "toolkit/headless_platform.h"

namespace zephra::web {
namespace {

// A session recorded while one window runs, replayed on a fresh one, leaves both the same: the page's
// session against the desktop's model rests on this.
TEST(SessionLog, ReplayRebuildsTheRecordedWindow) {
    toolkit::HeadlessPlatform recordedPlatform(""), replayedPlatform("");
    FormOrbit recorded(recordedPlatform), replayed(replayedPlatform);
    SessionLog log;
    auto act = [&](toolkit::Control& c, UserAction action, std::string_view text = "") {
        log.userAction(0, c, action, text);
        applyUserAction(recorded, c, action, text);
    };
    auto tick = [&](toolkit::Timer& t, const char* name, int count) {
        for (int k = 0; k < count; ++k) log.timerFired(name), t.fire();
    };
    tick(recorded.Tr, "Tr", 3);
    act(recorded.CDp[10], UserAction::Press);
    tick(recorded.Ti, "Ti", 40);
    act(recorded.Command5, UserAction::Press);
    act(recorded.TXTp[2], UserAction::Focus);
    act(recorded.TXTp[2], UserAction::Text, "12.5");
    act(recorded.Chuser, UserAction::Focus);
    act(recorded.Command5, UserAction::Press);
    tick(recorded.Ti, "Ti", 2);
    tick(recorded.TiF, "TiF", 1);
    tick(recorded.Ti, "Ti", 1);
    // A box no handler rewrites: its text comes back whole, escapes included.
    act(recorded.TXora, UserAction::Text, "a\\n\\\r\nb");
    // Runs of one timer are one line; another timer or an action starts a new one.
    EXPECT_NE(log.text().find("T Tr 3\nE 0 CDp 10 press\nT Ti 40\n"), std::string::npos) << log.text();
    EXPECT_NE(log.text().find("T Ti 2\nT TiF 1\nT Ti 1\n"), std::string::npos) << log.text();
    EXPECT_EQ(replay(replayed, log.text()), std::nullopt);
    EXPECT_EQ(replayed.TXora.text(), "a\\n\\\r\nb");
    EXPECT_EQ(windowText(replayed), windowText(recorded));
    EXPECT_EQ(replayed.st.Iters, 43);
}

TEST(SessionLog, ReplayNamesTheLineItCannotCarryOut) {
    toolkit::HeadlessPlatform platform("");
    FormOrbit window(platform);
    EXPECT_EQ(replay(window, "T Tr 2\nT Tx 1\n"), "line 2: no timer and count");
    EXPECT_EQ(replay(window, "E 0 CDp 99 press\n"), "line 1: no such control or action");
    EXPECT_EQ(replay(window, "E 1 Command2 0 wave\n"), "line 1: no such control or action");
    EXPECT_EQ(replay(window, "\nX\n"), "line 2: neither a timer nor a user's action");
}

}  // namespace
}  // namespace zephra::web
