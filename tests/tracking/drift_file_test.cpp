// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <optional>
#include <string>
#include <thread>

#include "tracking_fixture.h"

namespace zephra::testing {
namespace {

const std::string kRule(79, '_');
std::string blanks(int n) {
    return std::string(n, ' ');
}

class DriftFile : public TrackingTest {
  protected:
    void SetUp() override {
        TrackingTest::SetUp();
        form.LaChirp[0].setCaption("Earth and Moon");
        form.Optime[5].setCaption("1.5 ms x 1000");
        st.TimeScaleIdx = 5;
        st.StartDist = 384400;
        st.StartDistText = " 384400";
        st.PrevLapMin = st.PrevLapMax = 384400;
    }
    // Records an orbit with these extremes, as the tick does when it counts one.
    void recordOrbit(double least, double greatest) {
        st.Laps += 1;
        st.LapMin = least;
        st.LapMax = greatest;
        form.Drifter();
    }
    std::string path() const { return (folder / "data-drift.txt").string(); }
};

TEST_F(DriftFile, HeaderThenOneRecordPerOrbit) {
    recordOrbit(363104.5, 384400);
    st.TimeRateLog = "rate A; rate B";
    recordOrbit(363104.5, 405696.25);
    const std::string expected =
        "Earth and Moon\r\n"
        "[ 3 ]  Start Difference = 384400 km\r\n"
        "1.5 ms x 1000\r\n" +
        kRule + "\r\n" + blanks(31) + "Orbit # 1 drift \r\n" + "min km  " + blanks(10) + "363104.5" +
        blanks(13) + "|" + blanks(10) + "384400." + blanks(14) + "  km max \r\n" + "min dif " + blanks(10) +
        "-21295.5" + blanks(13) + "|" + blanks(14) + "0." + blanks(15) + " dif max\r\n" + kRule + "\r\n" +
        // the second orbit starts its minimum from the first one's maximum, so this minimum is new
        blanks(31) + "Orbit # 2 drift \r\n" + "rate A; rate B\r\n" + "min km  " + blanks(10) + "363104.5" +
        blanks(13) + "|" + blanks(10) + "405696.25" + blanks(12) + "  km max \r\n" + "min dif " + blanks(14) +
        "0." + blanks(15) + "|" + blanks(9) + "+21296.25" + blanks(13) + " dif max\r\n" + kRule + "\r\n";
    EXPECT_EQ(readAll(path()), expected);
    EXPECT_TRUE(st.TimeRateLog.empty());
}

TEST_F(DriftFile, PendingRateChangesReplaceTheScaleInTheHeader) {
    st.TimeRateLog = "rate A";
    recordOrbit(384400, 384400);
    const std::string text = readAll(path());
    EXPECT_NE(text.find("km\r\nrate A\r\n" + kRule), std::string::npos);
    EXPECT_EQ(text.find("1.5 ms"), std::string::npos);
    EXPECT_EQ(text.find("rate A", text.find("Orbit #")), std::string::npos);
}

TEST_F(DriftFile, FirstOrbitOfANewRunReplacesTheFile) {
    recordOrbit(363104.5, 384400);
    recordOrbit(363104.5, 384400);
    st.Laps = 0;
    recordOrbit(363104.5, 384400);
    const std::string text = readAll(path());
    EXPECT_EQ(text.find("Earth and Moon"), 0u);
    EXPECT_EQ(text.find("Orbit # 2"), std::string::npos);
}

TEST_F(DriftFile, FirstEightOrbitsGoToTheTable) {
    form.ChMinMax.initValue(0);  // the table shows minimums
    for (int orbit = 1; orbit <= 8; ++orbit) recordOrbit(1000 + orbit, 2000 + orbit);
    EXPECT_EQ(form.LaDrift[8].caption(), "1008");
    form.LaDrift[8].setCaption("~");
    recordOrbit(1009, 2009);
    EXPECT_EQ(form.LaDrift[8].caption(), "~");

    form.ChMinMax.initValue(1);
    form.ChMinMax_Click();
    EXPECT_EQ(form.LaDrift[1].caption(), "2001");
    EXPECT_EQ(form.LaDrift[8].caption(), "2008");
    EXPECT_EQ(form.ChMinMax.caption(), "Max dist");
}

TEST_F(DriftFile, LostRecordsAreReportedUntilAFreshFileWithItsHeaderIsWritten) {
    const std::filesystem::path missing = folder / "missing";
    st.DriftFile = (missing / "data-drift.txt").string();
    form.ChMinMax.initValue(0);
    recordOrbit(363104.5, 405696);
    EXPECT_NE(form.LaChirp[1].caption().find(st.DriftFile), std::string::npos);
    EXPECT_NE(form.LaChirp[1].caption().find("No such file"), std::string::npos);
    // the run goes on with sound statistics
    EXPECT_EQ(st.FirstLaps[0][1], 363104.5);
    EXPECT_EQ(st.LapMin, 405696);
    EXPECT_EQ(st.LapMax, 0);
    EXPECT_EQ(form.LaDrift[1].caption(), "363104.5");

    // A later notice takes the label; the reason stays in its tooltip until a record is written again.
    form.LaChirp[1].setCaption("Bodies have impacted.");
    recordOrbit(363104.5, 405696);
    EXPECT_NE(form.LaChirp[1].toolTip().find("No such file"), std::string::npos);
    form.LaChirp[1].setCaption("Bodies have impacted.");
    std::filesystem::create_directory(missing);
    recordOrbit(363104.5, 405696);
    EXPECT_EQ(form.LaChirp[1].toolTip(), "");
    EXPECT_EQ(form.LaChirp[1].caption(), "Bodies have impacted.");
    const std::string text = readAll(st.DriftFile);
    EXPECT_EQ(text.find("Earth and Moon\r\n[ 3 ]"), 0u) << text;
    EXPECT_NE(text.find("Orbit # 3 drift"), std::string::npos);
    const tracking::DriftWriter::Count count = form.driftWriter().count(st.DriftFile);
    EXPECT_EQ(count.kept, 1);
    EXPECT_EQ(count.lost, 2);
}

TEST_F(DriftFile, ARecordCutShortByAFullDiskIsTakenBackWhole) {
    recordOrbit(363104.5, 384400);
    const std::string before = readAll(path());
    // The file size limit stands in for a full disk: the write stops part way through the record.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tight = saved;
    tight.rlim_cur = before.size() + 100;
    setrlimit(RLIMIT_FSIZE, &tight);
    recordOrbit(363104.5, 384400);
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(readAll(path()), before);
    EXPECT_EQ(form.LaChirp[1].caption().find("Drift file not written: "), 0u) << form.LaChirp[1].caption();

    // Space is back: the next record follows the last whole one and the notice clears.
    recordOrbit(363104.5, 384400);
    const std::string after = readAll(path());
    EXPECT_EQ(after.find(before), 0u);
    EXPECT_EQ(after.find("Orbit # 2"), std::string::npos);
    EXPECT_EQ(after.substr(before.size(), 49), blanks(31) + "Orbit # 3 drift \r\n");
    EXPECT_EQ(form.LaChirp[1].caption().find("Drift file written again"), 0u);
}

TEST_F(DriftFile, TwoWritersOfOneFileNeverMixTheirRecords) {
    recordOrbit(363104.5, 384400);
    // A record waits while another program holds the file's lock.
    const int fd = ::open(path().c_str(), O_RDWR);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    std::thread writer([&] { recordOrbit(363104.5, 384400); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(readAll(path()).find("Orbit # 2"), std::string::npos);
    ::flock(fd, LOCK_UN);
    writer.join();
    ::close(fd);
    EXPECT_NE(readAll(path()).find("Orbit # 2"), std::string::npos);

    // Another run sharing the folder starts its own file, as a run does; this run then adds nothing to it.
    toolkit::HeadlessPlatform otherPlatform{folder.string()};
    FormOrbit other{otherPlatform};
    other.st.Laps = 1;
    other.Drifter();
    // None of this run's two records is left; the count says so before and after its next one is refused.
    EXPECT_EQ(form.driftWriter().count(path()).kept, 0);
    EXPECT_EQ(form.driftWriter().count(path()).lost, 2);
    const std::string theirs = readAll(path());
    recordOrbit(363104.5, 384400);
    EXPECT_EQ(readAll(path()), theirs);
    EXPECT_NE(form.LaChirp[1].caption().find("another run"), std::string::npos);
    other.st.Laps = 2;
    other.Drifter();
    EXPECT_NE(readAll(path()).find("Orbit # 2"), std::string::npos);
    const tracking::DriftWriter::Count mine = form.driftWriter().count(path());
    EXPECT_EQ(mine.kept, 0);
    EXPECT_EQ(mine.lost, 3);
    EXPECT_NE(mine.reason.value_or("").find("replaced or cut by another run"), std::string::npos);
    EXPECT_EQ(other.driftWriter().count(path()).kept, 2);
    EXPECT_EQ(other.driftWriter().count(path()).lost, 0);
    EXPECT_EQ(other.driftWriter().count(path()).reason, std::nullopt);
}

// A file removed under the run is started afresh, with its header; the records it held count as lost.
TEST_F(DriftFile, RecordsOfAFileRemovedUnderTheRunCountAsLost) {
    recordOrbit(363104.5, 384400);
    recordOrbit(363104.5, 384400);
    std::filesystem::remove(path());
    recordOrbit(363104.5, 384400);
    EXPECT_EQ(readAll(path()).find("Earth and Moon\r\n"), 0u);
    const tracking::DriftWriter::Count count = form.driftWriter().count(path());
    EXPECT_EQ(count.kept, 1);
    EXPECT_EQ(count.lost, 2);
}

// A record waits a bounded time for another program's lock, then is lost with the reason; the next one is
// written once the lock is let go.
TEST_F(DriftFile, ARecordWaitsForAnotherProgramsLockOnlySoLong) {
    using namespace std::chrono_literals;
    tracking::DriftWriter writer{200ms};
    ASSERT_EQ(writer.write(path(), true, "header\r\n"), std::nullopt);
    const int fd = ::open(path().c_str(), O_RDWR);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    std::thread holder([fd] {
        std::this_thread::sleep_for(500ms);
        ::flock(fd, LOCK_UN);
    });
    const auto start = std::chrono::steady_clock::now();
    const std::optional<std::string> failure = writer.write(path(), false, "record\r\n");
    const auto waited = std::chrono::steady_clock::now() - start;
    holder.join();
    ::close(fd);
    EXPECT_GE(waited, 200ms);
    EXPECT_LT(waited, 1s);
    EXPECT_EQ(failure, "locked by another program for more than 0.2 s");
    EXPECT_EQ(readAll(path()), "header\r\n");
    EXPECT_EQ(writer.count(path()).lost, 1);
    EXPECT_EQ(writer.count(path()).reason, failure);
    EXPECT_EQ(writer.write(path(), false, "record\r\n"), std::nullopt);
    EXPECT_EQ(writer.count(path()).kept, 2);
    EXPECT_EQ(writer.count(path()).lost, 1);
}

TEST_F(DriftFile, WindowStartUpNamesTheFileInTheDataFolder) {
    EXPECT_EQ(st.DriftFile, path());
    EXPECT_EQ(form.CHfile.toolTip(), "Data for min/max drift can be found in file: " + path());
    EXPECT_DOUBLE_EQ(st.KgFactor, 10 / 1.98855);
    EXPECT_EQ(st.MaxScenarioBtn, 37);
}

}  // namespace
}  // namespace zephra::testing
