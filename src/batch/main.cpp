// zephra-batch: runs one scenario on the window model without a screen and prints its summary as JSON.

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <variant>
#include <vector>

#include "batch/batch_options.h"
#include "batch/batch_run.h"
#include "batch/summary_json.h"
#include "toolkit/headless_platform.h"
#include "tracking/trace_csv.h"
#include "ui/form_orbit.h"

namespace {

// Why the drift file cannot go into the folder, or empty. Checked before the run, so that a run of hours
// does not end with nothing written; a disk that fills during the run is reported after it.
std::string folderProblem(const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return "is not a folder";
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return "is not writable";
    const std::filesystem::path file = folder / "data-drift.txt";
    if (std::filesystem::exists(file, error) && !std::filesystem::is_regular_file(file, error))
        return "holds a data-drift.txt that is not a plain file";
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zephra;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = batch::parseOptions(args);
    if (const auto* reason = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "zephra-batch: %s\n%s", reason->c_str(), batch::usageText().c_str());
        return batch::kExitBadInput;
    }
    const auto& options = std::get<batch::BatchOptions>(parsed);
    if (options.help) {
        std::fputs(batch::usageText().c_str(), stdout);
        return batch::kExitDone;
    }
    // The window names its file by a full path; so does batch, whatever folder text it was given.
    const std::filesystem::path folder = std::filesystem::absolute(options.folder).lexically_normal();
    if (const std::string problem = folderProblem(folder); !problem.empty()) {
        std::fprintf(stderr, "zephra-batch: --out %s %s\n", folder.c_str(), problem.c_str());
        return batch::kExitBadInput;
    }

    std::ofstream traceOut;
    if (!options.traceFile.empty()) {
        traceOut.open(options.traceFile, std::ios::binary);
        if (!traceOut) {
            std::fprintf(stderr, "zephra-batch: --trace %s cannot be written\n", options.traceFile.c_str());
            return batch::kExitBadInput;
        }
    }

    // A file-size limit (ulimit -f) then fails the write like a full disk instead of killing the run.
    std::signal(SIGXFSZ, SIG_IGN);
    toolkit::HeadlessPlatform platform(folder.string());
    FormOrbit form(platform);
    form.trace().setEnabled(traceOut.is_open());
    form.showPanels(false);
    const batch::RunRecord record = batch::runScenario(form, options);
    if (!record.refused.empty()) {
        std::fprintf(stderr, "zephra-batch: %s\n", record.refused.c_str());
        return batch::kExitBadInput;
    }
    std::fputs(batch::summaryJson(form, options, record).c_str(), stdout);
    if (traceOut.is_open()) {
        tracking::writeTraceCsv(traceOut, form.trace().samples().items(), form.trace().orbits().items());
        traceOut.close();
        if (!traceOut) {
            std::fprintf(stderr, "zephra-batch: the trace %s was not written in full\n",
                         options.traceFile.c_str());
            return batch::kExitRecordsLost;
        }
    }
    const tracking::DriftWriter& drift = form.driftWriter();
    if (drift.recordsLost() > 0) {
        std::fprintf(stderr, "zephra-batch: %.0f of %.0f drift records not written to %s (last reason: %s)\n",
                     drift.recordsLost(), drift.recordsLost() + drift.recordsWritten(),
                     form.st.DriftFile.c_str(), drift.lastFailure().c_str());
        return batch::kExitRecordsLost;
    }
    return batch::kExitDone;
}
