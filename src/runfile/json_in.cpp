// SPDX-License-Identifier: GPL-3.0-or-later
#include "runfile/json_in.h"

#include <cmath>
#include <set>
#include <vector>

namespace zephra::runfile {

namespace {

// Builds the document as nlohmann's own builder does, keeping the path to the value being read, refusing a
// repeated key and nesting deeper than any run file.
class TrackingBuilder {
  public:
    explicit TrackingBuilder(Json& root) : dom_(root, false) {}
    using number_integer_t = Json::number_integer_t;
    using number_unsigned_t = Json::number_unsigned_t;
    using number_float_t = Json::number_float_t;
    using string_t = Json::string_t;
    using binary_t = Json::binary_t;

    bool null() { return value() && dom_.null(); }
    bool boolean(bool v) { return value() && dom_.boolean(v); }
    bool number_integer(number_integer_t v) { return value() && dom_.number_integer(v); }
    bool number_unsigned(number_unsigned_t v) { return value() && dom_.number_unsigned(v); }
    bool number_float(number_float_t v, const string_t& s) { return value() && dom_.number_float(v, s); }
    bool string(string_t& v) { return value() && dom_.string(v); }
    bool binary(binary_t& v) { return value() && dom_.binary(v); }
    bool start_object(std::size_t n) { return open(false) && dom_.start_object(n); }
    bool key(string_t& k) {
        if (!levels_.back().keys.insert(k).second) {
            fault_ = "the field \"" + k + "\" is given twice";
            return false;
        }
        levels_.back().name = k;
        return dom_.key(k);
    }
    bool end_object() { return close() && dom_.end_object(); }
    bool start_array(std::size_t n) { return open(true) && dom_.start_array(n); }
    bool end_array() { return close() && dom_.end_array(); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) {
        std::string what = e.what();
        // nlohmann's messages start with their own error number in brackets.
        if (const std::size_t close = what.find("] "); close != std::string::npos)
            what = what.substr(close + 2);
        fault_ = what;
        return false;
    }

    const std::string& fault() const { return fault_; }
    std::string path() const {
        std::string p;
        for (const Level& level : levels_) {
            if (level.array) {
                p += "[" + std::to_string(level.index < 0 ? 0 : level.index) + "]";
            } else if (!level.name.empty()) {
                if (!p.empty()) p += '.';
                p += level.name;
            }
        }
        return p;
    }

  private:
    struct Level {
        bool array = false;
        long index = -1;
        std::string name;
        std::set<std::string> keys;
    };
    bool value() {
        if (!levels_.empty() && levels_.back().array) ++levels_.back().index;
        return true;
    }
    bool open(bool array) {
        value();
        if (levels_.size() >= kMostNesting) {
            fault_ = "nested more than " + std::to_string(kMostNesting) + " deep";
            return false;
        }
        Level level;
        level.array = array;
        levels_.push_back(std::move(level));
        return true;
    }
    bool close() {
        levels_.pop_back();
        return true;
    }
    nlohmann::detail::json_sax_dom_parser<Json> dom_;
    std::vector<Level> levels_;
    std::string fault_;
};

std::string describe(const Json& v) {
    std::string text = v.dump(-1, ' ', false, Json::error_handler_t::replace);
    if (text.size() > 40) text = text.substr(0, 37) + "...";
    return text;
}

}  // namespace

std::variant<Json, std::string> parseJson(std::string_view text) {
    Json root;
    TrackingBuilder builder(root);
    if (Json::sax_parse(text.begin(), text.end(), &builder, nlohmann::detail::input_format_t::json, true))
        return root;
    const std::string path = builder.path();
    return "not a complete JSON document" + (path.empty() ? std::string() : " (in " + path + ")") + ": " +
           builder.fault();
}

void In::fail(const std::string& what) const {
    throw FieldFault{field_, what};
}

void In::expectKeys(std::initializer_list<std::string_view> keys) const {
    if (!value_.is_object()) fail("must be an object, not " + describe(value_));
    for (std::string_view key : keys)
        if (!value_.contains(key)) fail("the field \"" + std::string(key) + "\" is missing");
    for (const auto& [key, _] : value_.items()) {
        bool known = false;
        for (std::string_view k : keys) known = known || k == key;
        if (!known) fail("has a field \"" + key + "\" that no run file has");
    }
}

In In::at(std::string_view key) const {
    if (!value_.is_object()) fail("must be an object, not " + describe(value_));
    const auto found = value_.find(key);
    if (found == value_.end()) fail("the field \"" + std::string(key) + "\" is missing");
    return In(*found, field_.empty() ? std::string(key) : field_ + "." + std::string(key));
}

bool In::has(std::string_view key) const {
    return value_.is_object() && value_.contains(key);
}

void In::expectLength(std::size_t length) const {
    if (!value_.is_array()) fail("must be an array, not " + describe(value_));
    if (value_.size() != length)
        fail("must hold " + std::to_string(length) + " elements, not " + std::to_string(value_.size()));
}

In In::at(std::size_t index) const {
    return In(value_.at(index), field_ + "[" + std::to_string(index) + "]");
}

std::size_t In::size() const {
    if (!value_.is_array()) fail("must be an array, not " + describe(value_));
    return value_.size();
}

double In::number() const {
    if (!value_.is_number()) fail("must be a number, not " + describe(value_));
    const double v = value_.get<double>();
    if (!std::isfinite(v)) fail("must be a finite number");
    return v;
}

std::int64_t In::whole(std::int64_t least, std::int64_t greatest) const {
    const double v = number();
    if (v != std::floor(v) || v < static_cast<double>(least) || v > static_cast<double>(greatest))
        fail("must be a whole number from " + std::to_string(least) + " to " + std::to_string(greatest) +
             ", not " + describe(value_));
    return static_cast<std::int64_t>(v);
}

bool In::flag() const {
    if (!value_.is_boolean()) fail("must be true or false, not " + describe(value_));
    return value_.get<bool>();
}

const std::string& In::text() const {
    if (!value_.is_string()) fail("must be a text in double quotes, not " + describe(value_));
    return value_.get_ref<const std::string&>();
}

}  // namespace zephra::runfile
