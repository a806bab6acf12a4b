// SPDX-License-Identifier: GPL-3.0-or-later
// zephra-batch: runs one scenario on the window model without a screen and prints its summary as JSON.

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "batch/batch_options.h"
#include "batch/batch_run.h"
#include "batch/interruptions.h"
#include "batch/output_checks.h"
#include "batch/summary_json.h"
#include "runfile/pending_file.h"
#include "runfile/run_file.h"
#include "toolkit/headless_platform.h"
#include "tracking/trace_csv.h"
#include "ui/form_orbit.h"

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
    if (options.exportScenario != 0) {
        if (const auto problem = runfile::exportScenario(options.exportScenario, options.exportFile)) {
            std::fprintf(stderr, "zephra-batch: %s\n", problem->c_str());
            return batch::kExitBadInput;
        }
        return batch::kExitDone;
    }
    // The window names its file by a full path; so does batch, whatever folder text it was given.
    const std::filesystem::path folder = std::filesystem::absolute(options.folder).lexically_normal();
    if (const std::optional<std::string> problem = batch::driftFolderProblem(folder)) {
        std::fprintf(stderr, "zephra-batch: --out %s %s\n", folder.c_str(), problem->c_str());
        return batch::kExitBadInput;
    }

    // From here on an interruption lets the run remove the trace it has not finished.
    batch::catchInterruptions();
    runfile::PendingFile trace;
    if (!options.traceFile.empty()) {
        std::optional<std::string> problem =
            batch::traceProblem(options.traceFile, folder / "data-drift.txt");
        if (!problem) problem = trace.open(options.traceFile);
        if (problem) {
            std::fprintf(stderr, "zephra-batch: --trace %s %s\n", options.traceFile.c_str(),
                         problem->c_str());
            return batch::kExitBadInput;
        }
    }

    // A file-size limit (ulimit -f) then fails the write like a full disk instead of killing the run.
    std::signal(SIGXFSZ, SIG_IGN);
    toolkit::HeadlessPlatform platform(folder.string());
    FormOrbit form(platform);
    form.showPanels(false);
    // Kept only when a trace file wants it.
    std::optional<tracking::TraceRecorder> recorder;
    if (trace.isOpen()) recorder.emplace();
    const batch::RunRecord record = batch::runScenario(form, options, recorder ? &*recorder : nullptr);
    if (record.refused) {
        std::fprintf(stderr, "zephra-batch: %s\n", record.refused->c_str());
        return batch::kExitBadInput;
    }
    std::optional<std::string> traceFailure;
    if (trace.isOpen()) {
        tracking::writeTraceCsv(trace.stream(), recorder->samples().items(), recorder->orbits().items());
        if (!batch::interruption()) traceFailure = trace.commit();
    }
    if (batch::interruption()) {
        trace.discard();
        batch::dieOfInterruption();
    }

    const std::string summary = batch::summaryJson(form, options, record);
    std::optional<std::string> saveFailure;
    if (!options.saveFile.empty()) {
        // Saved as the window saves: paused first.
        if (form.Ti.enabled()) form.Command5.press();
        saveFailure = runfile::saveRun(form, options.saveFile);
    }
    std::fputs(summary.c_str(), stdout);
    if (saveFailure) {
        std::fprintf(stderr, "zephra-batch: --save %s\n", saveFailure->c_str());
        return batch::kExitRecordsLost;
    }
    if (traceFailure) {
        std::fprintf(stderr, "zephra-batch: the trace %s %s\n", options.traceFile.c_str(),
                     traceFailure->c_str());
        return batch::kExitRecordsLost;
    }
    const tracking::DriftWriter::Count& drift = record.drift;
    if (drift.lost > 0) {
        std::fprintf(stderr, "zephra-batch: %.0f of %.0f drift records missing from %s (last reason: %s)\n",
                     drift.lost, drift.lost + drift.kept, form.st.DriftFile.c_str(),
                     drift.reason.value_or("").c_str());
        return batch::kExitRecordsLost;
    }
    return batch::kExitDone;
}
