// zephra-batch: runs one scenario on the window model without a screen and prints its summary as JSON.

#include <cstdio>
#include <string>
#include <variant>
#include <vector>

#include "batch/batch_options.h"
#include "batch/batch_run.h"
#include "batch/summary_json.h"
#include "toolkit/headless_platform.h"
#include "ui/form_orbit.h"

int main(int argc, char** argv) {
    using namespace zephra;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = batch::parseOptions(args);
    if (const auto* reason = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "zephra-batch: %s\n%s", reason->c_str(), batch::kUsage);
        return 2;
    }
    const auto& options = std::get<batch::BatchOptions>(parsed);

    toolkit::HeadlessPlatform platform(options.folder);
    FormOrbit form(platform);
    const batch::RunRecord record = batch::runScenario(form, options);
    std::fputs(batch::summaryJson(form, options, record).c_str(), stdout);
    return 0;
}
