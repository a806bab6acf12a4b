// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "batch/batch_options.h"
#include "batch/batch_run.h"
#include "support/identity_stride.h"
#include "support/temp_folder.h"
#include "toolkit/headless_platform.h"
#include "ui/form_orbit.h"

// The drawing surface at the end of a headless run, pixel for pixel, against digests taken from a reference
// build: the orbit lines, the turning surface pattern and the gravity origins must come out the same however
// the tick is made faster. The summary and the drift file of the same runs are compared by batch_identity.
namespace zephra {
namespace {

const std::string kDigestFile = std::string(ZEPHRA_TEST_SOURCE_DIR) + "/batch/drawing_digests.txt";

struct DigestRow {
    std::string digest;   // FNV-1a, 64 bits, of the pixels
    std::string options;  // zephra-batch options
};

std::vector<DigestRow> readRows() {
    std::vector<DigestRow> rows;
    std::ifstream in(kDigestFile);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t bar = line.find(" | ");
        rows.push_back({line.substr(0, bar), line.substr(bar + 3)});
    }
    return rows;
}

std::string drawingDigest(const std::string& options, const std::filesystem::path& folder) {
    std::vector<std::string> args;
    std::istringstream words(options);
    for (std::string w; words >> w;) args.push_back(w);
    args.insert(args.end(), {"--out", folder.string()});
    const auto parsed = batch::parseOptions(args);
    const auto* batchOptions = std::get_if<batch::BatchOptions>(&parsed);
    if (batchOptions == nullptr) return "refused: " + std::get<std::string>(parsed);
    toolkit::HeadlessPlatform platform(folder.string());
    FormOrbit form(platform);
    form.showPanels(false);
    batch::runScenario(form, *batchOptions);
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    const auto* bytes = reinterpret_cast<const unsigned char*>(form.surface().pixels());
    const std::size_t size =
        sizeof(toolkit::Color) * toolkit::Surface::kWidthPixels * toolkit::Surface::kHeightPixels;
    for (std::size_t k = 0; k < size; ++k) hash = (hash ^ bytes[k]) * 0x100000001b3ULL;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// ZEPHRA_WRITE_DIGESTS=1 stores this build's digests instead of comparing them.
TEST(DrawingIdentity, EveryRunDrawsTheReferencePicture) {
    const std::vector<DigestRow> rows = readRows();
    ASSERT_FALSE(rows.empty()) << kDigestFile;
    const testing::TempFolder folder;
    const bool write = std::getenv("ZEPHRA_WRITE_DIGESTS") != nullptr;
    std::ostringstream written;
    written << "# FNV-1a 64 of the drawing surface after the run | zephra-batch options\n";
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const DigestRow& row = rows[k];
        if (!write && k % kIdentityStride != 0) continue;
        std::filesystem::remove(folder / "data-drift.txt");
        const std::string now = drawingDigest(row.options, folder);
        written << now << " | " << row.options << '\n';
        if (!write) {
            EXPECT_EQ(row.digest, now) << row.options;
        }
    }
    if (write) std::ofstream(kDigestFile) << written.str();
}

}  // namespace
}  // namespace zephra
