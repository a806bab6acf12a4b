// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes through the run file reader: no crash, and every refusal is one line. A file the reader takes
// opens in a window without harm. Start from files zephra-batch writes (--export-scenario, --save).

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "runfile/run_file.h"
#include "toolkit/headless_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zephra;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::variant<runfile::Opened, std::string> read = runfile::readRunText(text);
    if (const auto* refusal = std::get_if<std::string>(&read)) {
        if (refusal->empty() || refusal->find('\n') != std::string::npos) std::abort();
        return 0;
    }
    toolkit::HeadlessPlatform platform("/tmp");
    FormOrbit form(platform);
    runfile::openInWindow(form, std::get<runfile::Opened>(read));
    for (int k = 0; k < 10 && form.Ti.enabled(); ++k) form.Ti.fire();
    return 0;
}
