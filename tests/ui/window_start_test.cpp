#include <gtest/gtest.h>

#include <set>

#include "toolkit/headless_platform.h"
#include "ui/form_orbit.h"

namespace zephra {
namespace {

TEST(WindowStart, EachControlReachesTheFrontEndOnceAndButtonsRestInThePauseBrown) {
    toolkit::HeadlessPlatform platform{"/tmp/zephra-window-start"};
    FormOrbit form{platform};
    // A control reported twice would be mirrored twice per event by the front end.
    const auto changed = form.takeDirty();
    std::set<toolkit::Control*> distinct(changed.begin(), changed.end());
    EXPECT_EQ(distinct.size(), changed.size());

    form.CDp[5].press();
    EXPECT_EQ(form.CDp[4].backColor(), toolkit::rgb(176, 128, 64));
    EXPECT_EQ(form.CDp[30].backColor(), toolkit::rgb(176, 128, 64));
    EXPECT_EQ(form.CDp[31].backColor(), toolkit::rgb(128, 64, 32));
    EXPECT_EQ(form.CDp[5].backColor(), toolkit::rgb(255, 255, 0));
}

}  // namespace
}  // namespace zephra
