// Replays every committed fuzz input (the seed corpus and the inputs that once broke something)
// through its target in the normal build, so that a fixed fault stays fixed without the fuzzer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "FuzzTarget.h"

namespace {

struct TTarget {
    const char* Name;
    int (*Run)(const std::uint8_t*, std::size_t);
};

const TTarget Targets[] = {{"level_map", FuzzLevelMap}, {"bmp", FuzzBmp},
                           {"jpeg", FuzzJpeg},          {"png", FuzzPng},
                           {"font", FuzzFont},          {"text_boxes", FuzzTextBoxes}};

TEST(FuzzInputs, EveryCommittedInputRunsCleanThroughItsTarget) {
    const std::filesystem::path root(TEVRA_FUZZ_INPUTS);
    for (const TTarget& target : Targets) {
        int inputs = 0;
        for (const char* kind : {"corpus", "regressions"}) {
            const std::filesystem::path folder = root / kind / target.Name;
            if (!std::filesystem::is_directory(folder))
                continue;
            for (const auto& entry : std::filesystem::directory_iterator(folder)) {
                std::ifstream in(entry.path(), std::ios::binary);
                const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                                      std::istreambuf_iterator<char>());
                SCOPED_TRACE(entry.path().string());
                target.Run(bytes.data(), bytes.size());
                ++inputs;
            }
        }
        EXPECT_GT(inputs, 0) << "no seed inputs for " << target.Name;
    }
}

}  // namespace
