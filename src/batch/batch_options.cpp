#include "batch/batch_options.h"

#include <cmath>

#include "toolkit/number_text.h"

namespace zephra::batch {

namespace {

// A whole number within [least, greatest], or nothing.
std::optional<double> wholeNumber(const std::string& text, double least, double greatest) {
    const std::optional<double> value = toolkit::strictNumber(text);
    if (!value || *value != std::floor(*value) || *value < least || *value > greatest) return std::nullopt;
    return value;
}

}  // namespace

std::variant<BatchOptions, std::string> parseOptions(const std::vector<std::string>& args) {
    BatchOptions options;
    int stopRules = 0;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& name = args[k];
        if (name == "--json") continue;
        if (name == "--until-end") {
            ++stopRules;
            continue;
        }
        const bool takesValue = name == "--scenario" || name == "--iterations" || name == "--orbits" ||
                                name == "--time-scale" || name == "--out" || name == "--folder";
        if (!takesValue) return "unknown option " + name;
        if (k + 1 >= args.size()) return "missing value after " + name;
        const std::string& value = args[++k];
        if (name == "--scenario") {
            const auto n = wholeNumber(value, 1, 33);
            if (!n) return "scenario must be 1..33: " + value;
            options.scenario = static_cast<int>(*n);
        } else if (name == "--iterations" || name == "--orbits") {
            const auto n = wholeNumber(value, 1, 1e15);
            if (!n) return name + " must be a positive whole number: " + value;
            (name == "--iterations" ? options.iterations : options.orbits) = *n;
            ++stopRules;
        } else if (name == "--time-scale") {
            const auto n = wholeNumber(value, 0, 17);
            if (!n) return "time scale must be 0..17: " + value;
            options.timeScale = static_cast<int>(*n);
        } else {
            if (value.empty()) return name + " needs a folder";
            options.folder = value;
        }
    }
    if (options.scenario == 0) return "--scenario is required";
    if (stopRules > 1) return "choose one of --iterations, --orbits and --until-end";
    return options;
}

}  // namespace zephra::batch
