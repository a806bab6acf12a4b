// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading a run file's JSON with a name for every place in it, so that each refusal says which field it is.

#include <cstdint>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <variant>

namespace zephra::runfile {

using Json = nlohmann::ordered_json;

// Deeper than any run file goes: more is refused before it costs memory.
inline constexpr int kMostNesting = 32;

// The document, or why the text is not one: where it stopped and which field it was in.
std::variant<Json, std::string> parseJson(std::string_view text);

// What is wrong with one field; thrown by In and caught where the file is read.
struct FieldFault {
    std::string field;
    std::string what;
};

// A value of the document and the name of its place (scenario.bodies[1].mass).
class In {
  public:
    In(const Json& value, std::string field) : value_(value), field_(std::move(field)) {}

    const std::string& field() const { return field_; }
    const Json& json() const { return value_; }
    [[noreturn]] void fail(const std::string& what) const;

    // An object with exactly these keys.
    void expectKeys(std::initializer_list<std::string_view> keys) const;
    In at(std::string_view key) const;
    bool has(std::string_view key) const;
    // An array of exactly length elements.
    void expectLength(std::size_t length) const;
    In at(std::size_t index) const;
    std::size_t size() const;

    bool isNull() const { return value_.is_null(); }
    double number() const;  // finite
    std::int64_t whole(std::int64_t least, std::int64_t greatest) const;
    bool flag() const;
    const std::string& text() const;

  private:
    const Json& value_;
    std::string field_;
};

}  // namespace zephra::runfile
