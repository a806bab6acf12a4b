// SPDX-License-Identifier: GPL-3.0-or-later
#include "runfile/state_json.h"

#include <algorithm>
#include <cmath>
#include <future>
#include <limits>
#include <map>
#include <thread>
#include <type_traits>

#include "display/scale_tables.h"
#include "runfile/packed_bytes.h"
#include "runfile/state_fields.h"
#include "toolkit/surface.h"

namespace zephra::runfile {

namespace {

constexpr std::int64_t kLastPixel =
    static_cast<std::int64_t>(toolkit::Surface::kWidthPixels) * toolkit::Surface::kHeightPixels - 1;

// The Special Relativity readout by name, in the order of its values.
constexpr const char* kReadouts[] = {"slowing", "close_to_zero", "difference"};

std::string typeName(std::size_t elementSize) {
    return elementSize == 8   ? "float64"
           : elementSize == 4 ? "float32"
                              : "uint" + std::to_string(8 * elementSize);
}

template <typename T>
struct IsHistory : std::false_type {};
template <typename T>
struct IsHistory<History<T>> : std::true_type {};

// The history buffers are most of a saved run: each is packed, or unpacked, on a thread of its own. With one
// core (a build without threads reports one) they are done in turn when asked for.
std::launch packingLaunch() {
    return std::thread::hardware_concurrency() > 1 ? std::launch::async : std::launch::deferred;
}

using Packing = std::map<std::string_view, std::future<Json>>;
using Unpacking = std::map<std::string_view, std::future<void>>;

// Body by body, so that each body's slots follow one another in time.
template <typename T>
Json historyJson(const History<T>& h, const std::string& field) {
    std::vector<T> bodies(History<T>::kSize);
    for (int b = 0; b < kPairSlots; ++b)
        for (int slot = 0; slot < kHistorySlots; ++slot) {
            const T v = h(slot, b);
            if (!std::isfinite(v)) throw FieldFault{"state." + field, "holds a number that is not finite"};
            bodies[static_cast<std::size_t>(b) * kHistorySlots + slot] = v;
        }
    return packedJson(bodies.data(), bodies.size(), sizeof(T));
}

template <typename T>
void readHistory(const In& in, History<T>& h) {
    std::vector<T> bodies(History<T>::kSize);
    readPacked(in, bodies.data(), bodies.size(), sizeof(T));
    for (int b = 0; b < kPairSlots; ++b)
        for (int slot = 0; slot < kHistorySlots; ++slot) {
            const T v = bodies[static_cast<std::size_t>(b) * kHistorySlots + slot];
            if (!std::isfinite(v))
                in.fail("holds a number that is not finite (body " + std::to_string(b) + ", slot " +
                        std::to_string(slot) + ")");
            h(slot, b) = v;
        }
}

class Writer {
  public:
    Writer(Json& out, Packing& packing) : out_(out), packing_(packing) {}
    template <typename T>
    void operator()(const char* name, const T& value) {
        field_ = name;
        if constexpr (IsHistory<T>::value)
            out_[name] = packing_.at(name).get();
        else
            out_[name] = json(value);
    }

  private:
    Json json(double v) {
        if (!std::isfinite(v)) throw FieldFault{"state." + field_, "is not a finite number"};
        return v;
    }
    Json json(float v) { return json(static_cast<double>(v)); }
    Json json(std::int16_t v) { return v; }
    Json json(std::int32_t v) { return v; }
    Json json(const std::string& v) { return v; }
    Json json(const std::optional<SrReadout>& v) {
        if (!v) return nullptr;
        return kReadouts[static_cast<int>(*v)];
    }
    template <typename T, std::size_t N>
    Json json(const std::array<T, N>& a) {
        Json out = Json::array();
        for (const T& v : a) out.push_back(json(v));
        return out;
    }
    template <typename T, std::size_t N>
    Json json(const T (&a)[N]) {
        Json out = Json::array();
        for (const T& v : a) out.push_back(json(v));
        return out;
    }
    Json& out_;
    Packing& packing_;
    std::string field_;
};

class Reader {
  public:
    Reader(const In& in, std::vector<std::string_view>& names, Unpacking& unpacking)
        : in_(in), names_(names), unpacking_(unpacking) {}
    template <typename T>
    void operator()(const char* name, T& value) {
        names_.push_back(name);
        if constexpr (IsHistory<T>::value)
            unpacking_.at(name).get();
        else
            read(in_.at(name), value);
    }

  private:
    static void read(const In& in, double& v) { v = in.number(); }
    static void read(const In& in, float& v) {
        const double d = in.number();
        if (std::abs(d) > std::numeric_limits<float>::max()) in.fail("is beyond a 32-bit float");
        v = static_cast<float>(d);
    }
    static void read(const In& in, std::int16_t& v) {
        v = static_cast<std::int16_t>(
            in.whole(std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
    }
    static void read(const In& in, std::int32_t& v) {
        v = static_cast<std::int32_t>(in.whole(kOffDrawing, kLastPixel));
    }
    static void read(const In& in, std::string& v) { v = in.text(); }
    static void read(const In& in, std::optional<SrReadout>& v) {
        v.reset();
        if (in.isNull()) return;
        for (int k = 0; k < 3; ++k)
            if (in.text() == kReadouts[k]) v = static_cast<SrReadout>(k);
        if (!v) in.fail("must be null, \"slowing\", \"close_to_zero\" or \"difference\"");
    }
    template <typename T, std::size_t N>
    static void read(const In& in, std::array<T, N>& a) {
        in.expectLength(N);
        for (std::size_t k = 0; k < N; ++k) read(in.at(k), a[k]);
    }
    template <typename T, std::size_t N>
    static void read(const In& in, T (&a)[N]) {
        in.expectLength(N);
        for (std::size_t k = 0; k < N; ++k) read(in.at(k), a[k]);
    }
    const In& in_;
    std::vector<std::string_view>& names_;
    Unpacking& unpacking_;
};

}  // namespace

Json packedJson(const void* data, std::size_t count, std::size_t elementSize) {
    return {
        {"type", typeName(elementSize)}, {"count", count}, {"deflate", packBytes(data, count, elementSize)}};
}

void readPacked(const In& in, void* out, std::size_t count, std::size_t elementSize) {
    in.expectKeys({"type", "count", "deflate"});
    if (in.at("type").text() != typeName(elementSize))
        in.at("type").fail("must be \"" + typeName(elementSize) + "\"");
    const In n = in.at("count");
    if (n.number() != static_cast<double>(count))
        n.fail("must be " + std::to_string(count) + ", the length of this array");
    if (const auto problem = unpackBytes(in.at("deflate").text(), out, count, elementSize))
        in.at("deflate").fail(*problem);
}

Json stateJson(const SimState& st) {
    Packing packing;
    forEachStateField(st, [&packing](const char* name, const auto& value) {
        if constexpr (IsHistory<std::decay_t<decltype(value)>>::value)
            packing[name] = std::async(packingLaunch(), [&value, name] { return historyJson(value, name); });
    });
    Json out = Json::object();
    forEachStateField(st, Writer(out, packing));
    return out;
}

void readState(const In& in, SimState& st) {
    if (!in.json().is_object()) in.fail("must be an object");
    Unpacking unpacking;
    forEachStateField(st, [&](const char* name, auto& value) {
        if constexpr (IsHistory<std::decay_t<decltype(value)>>::value)
            unpacking[name] =
                std::async(packingLaunch(), [&in, &value, name] { readHistory(in.at(name), value); });
    });
    std::vector<std::string_view> names;
    forEachStateField(st, Reader(in, names, unpacking));
    // The numbers the tick takes as places in its arrays.
    const auto within = [&in](const char* name, double v, double greatest) {
        if (!(v >= 0 && v <= greatest && v == std::floor(v)))
            in.at(name).fail("must be a whole number from 0 to " +
                             std::to_string(static_cast<int>(greatest)));
    };
    within("NBodies", st.NBodies, kBodySlots - 1);
    within("DistIdx", st.DistIdx, kDistanceScales - 1);
    within("TimeScaleIdx", st.TimeScaleIdx, kTimeScales);
    within("BufPos", st.BufPos, kHistoryWrap);
    if (in.json().size() != names.size())
        for (const auto& [key, _] : in.json().items())
            if (std::find(names.begin(), names.end(), key) == names.end())
                in.fail("has a field \"" + key + "\" that the state has not");
}

}  // namespace zephra::runfile
