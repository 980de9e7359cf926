// Mutation fuzzing of image decoding from the seed images beside this file:
// no crash, and no allocation beyond the decoder's cap whatever the headers
// claim. TAVI_FUZZ_ITERATIONS overrides the count.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "skinui/render/SkinRender.h"
#include "tests/support/FuzzInputs.h"

namespace {

constexpr unsigned kDefaultIterations = 20000;
constexpr unsigned kSeed = 4242;
constexpr size_t kPeakLimit = 512u << 20;

size_t PeakWorkingSet() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PeakWorkingSetSize;
}

class ImageMutator {
public:
    explicit ImageMutator(unsigned seed) : m_random(seed) {}

    std::string Mutate(std::string bytes) {
        const int rounds = 1 + Below(3);
        for (int i = 0; i < rounds && !bytes.empty(); ++i) {
            switch (Below(5)) {
                case 0:  // flip bits
                    for (int n = 1 + Below(6); n > 0; --n)
                        bytes[Below(bytes.size())] ^= static_cast<char>(1 << Below(8));
                    break;
                case 1:  // cut
                    bytes.resize(Below(bytes.size()));
                    break;
                case 2: {  // huge numbers where headers keep sizes
                    const size_t at = Below(std::min<size_t>(bytes.size(), 64));
                    const char big[4] = {'\x7f', '\xff', '\xff', '\xff'};
                    bytes.replace(at, std::min<size_t>(4, bytes.size() - at), big, 4);
                    break;
                }
                case 3: {  // duplicate a range
                    const size_t at = Below(bytes.size());
                    bytes.insert(Below(bytes.size()), bytes.substr(at, Below(64) + 1));
                    break;
                }
                case 4:  // random bytes
                    for (int n = 1 + Below(16); n > 0; --n)
                        bytes[Below(bytes.size())] = static_cast<char>(Below(256));
                    break;
            }
        }
        return bytes;
    }

private:
    int Below(size_t n) { return n == 0 ? 0 : static_cast<int>(m_random() % n); }
    std::mt19937 m_random;
};

TEST(ImageFuzzTest, MutatedImagesDecodeOrFailQuietly) {
    const std::vector<std::string> seeds = testsupport::ReadSeeds("image-seeds", "seed*");
    ASSERT_GE(seeds.size(), 4u);
    const unsigned iterations = testsupport::FuzzIterations(kDefaultIterations);
    ImageMutator mutator(kSeed);
    unsigned decoded = 0;
    const auto start = std::chrono::steady_clock::now();
    for (unsigned i = 0; i < iterations; ++i) {
        const std::string input = mutator.Mutate(seeds[i % seeds.size()]);
        SkinUI::TSkinImage* image = SkinUI::CSkinRender::DecodeImage(input.data(), input.size(), 0);
        if (image) {
            ++decoded;
            ASSERT_GT(image->nWidth, 0);
            ASSERT_GT(image->nHeight, 0);
            ASSERT_LE(static_cast<long long>(image->nWidth) * image->nHeight, 16ll << 20);
        }
        SkinUI::CSkinRender::FreeSkinImage(image);
    }
    EXPECT_LT(PeakWorkingSet(), kPeakLimit);
    EXPECT_EQ(SkinUI::LiveHandleCount(SkinUI::HandleKind::GdiObject), 0);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    printf("image fuzz: %u inputs, %u decoded, peak working set %zu MB, %.1f s\n", iterations,
           decoded, PeakWorkingSet() >> 20, seconds);
}

}  // namespace
