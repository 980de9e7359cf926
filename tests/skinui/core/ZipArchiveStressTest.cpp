// Hostile skin archives: bombs with honest and lying sizes, archives cut at
// every length, central directories with bytes overwritten, names that climb
// out of the folder, and random mutations. Each is refused or read within its
// stated size. TAVI_FUZZ_ITERATIONS sets the mutation count (scripts/fuzz.sh
// runs the long version).
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "skinui/core/Markup.h"
#include "skinui/core/PaintManager.h"
#include "skinui/core/ResourceReader.h"
#include "skinui/core/ZipArchive.h"
#include "tests/support/Files.h"
#include "tests/support/FuzzInputs.h"
#include "tests/support/ZipBuilder.h"

namespace {

using SkinUI::CZipArchive;
using Result = SkinUI::CZipArchive::Result;

constexpr size_t kLimit = SkinUI::detail::kMaxSkinFileBytes;
constexpr unsigned kDefaultMutations = 3000;
constexpr unsigned kSeed = 20261211;

const std::string kSkin = "<Window size=\"400,300\"><Button name=\"ok\" text=\"ok\"/></Window>";

std::string SmallArchive(bool stored = false) {
    return testsupport::MakeZip({{"main.xml", kSkin}, {"img/a.png", std::string(300, 'a')}}, stored);
}

// Every outcome is a valid result, and an entry read whole is never larger
// than the limit.
Result ExtractFrom(const std::string& zip, const char* name, std::vector<char>& out) {
    CZipArchive archive;
    if (!archive.OpenMemory(zip.data(), zip.size())) return Result::NotFound;
    const Result result = archive.Extract(name, kLimit, out);
    EXPECT_LE(out.size(), kLimit);
    if (result != Result::Ok) {
        EXPECT_TRUE(out.empty());
    }
    return result;
}

TEST(ZipArchiveStressTest, BombsAreRefusedOrStopAtTheirStatedSize) {
    // 16 MB of zeros deflate to about 16 KB: a ratio of about 1000.
    const std::string zeros(16u * 1024 * 1024, '\0');
    const std::string honest = testsupport::MakeZip({{"bomb.xml", zeros}});
    ASSERT_LT(honest.size(), 100000u);
    std::vector<char> out;
    EXPECT_EQ(ExtractFrom(honest, "bomb.xml", out), Result::TooLarge);

    struct Case {
        unsigned stated;
        Result expected;
    };
    for (const Case& c : {Case{1000, Result::Corrupt}, Case{unsigned(kLimit), Result::Corrupt},
                          Case{unsigned(kLimit) + 1, Result::TooLarge}, Case{0, Result::Empty}}) {
        SCOPED_TRACE(c.stated);
        std::string lying = honest;
        testsupport::SetStatedSize(lying, 0, c.stated);
        EXPECT_EQ(ExtractFrom(lying, "bomb.xml", out), c.expected);
    }
}

TEST(ZipArchiveStressTest, ArchivesCutAtEveryLengthFailCleanly) {
    for (bool stored : {false, true}) {
        const std::string zip = SmallArchive(stored);
        ASSERT_FALSE(zip.empty());
        for (size_t length = 0; length < zip.size(); ++length) {
            const std::string cut = zip.substr(0, length);
            std::vector<char> out;
            // Only the end record's last bytes may go missing and still read.
            if (ExtractFrom(cut, "main.xml", out) == Result::Ok) {
                EXPECT_GE(length, zip.size() - 4);
                EXPECT_EQ(std::string(out.begin(), out.end()), kSkin);
            }
        }
    }
}

TEST(ZipArchiveStressTest, CentralDirectoryBytesOverwrittenReadSafely) {
    const std::string zip = SmallArchive();
    const size_t directory = zip.find("PK\x01\x02");
    ASSERT_NE(directory, std::string::npos);
    for (size_t at = directory; at < zip.size(); ++at) {
        for (char value : {'\0', '\x7f', '\xff'}) {
            std::string broken = zip;
            broken[at] = value;
            std::vector<char> out;
            for (const char* name : {"main.xml", "IMG/A.PNG"}) {
                if (ExtractFrom(broken, name, out) == Result::Ok && name[0] == 'm') {
                    EXPECT_EQ(std::string(out.begin(), out.end()), kSkin) << at;
                }
            }
        }
    }
}

TEST(ZipArchiveStressTest, NamesClimbingOutOfTheFolderStayInsideTheArchive) {
    testsupport::TempFolder outer;
    const std::string inner = outer.Path() + "\\skins";
    ASSERT_TRUE(CreateDirectoryA(inner.c_str(), nullptr));
    // A real file where the climbing name would lead on disk.
    ASSERT_TRUE(testsupport::WriteWholeFile(outer.File("evil.xml"), "<Window><Label name=\"disk\"/></Window>"));
    const std::string zip = testsupport::MakeZip(
        {{"../evil.xml", "<Window><Label name=\"zip\"/></Window>"}, {"..\\..\\x.xml", kSkin}, {"/abs.xml", kSkin}});
    ASSERT_TRUE(testsupport::WriteWholeFile(inner + "\\skin.zip", zip));
    SkinUI::CPaintManagerUI::SetResourcePath((inner + "\\").c_str());
    SkinUI::CPaintManagerUI::SetResourceZip("skin.zip", false);

    SkinUI::CSkinMarkup markup;
    ASSERT_TRUE(markup.LoadSkinFile("../evil.xml", SkinUI::CSkinMarkup::kUtf8));
    char name[16] = {};
    ASSERT_TRUE(markup.Root().FirstChild().FindAttribute("name", name, sizeof(name) - 1));
    EXPECT_STREQ(name, "zip");
    EXPECT_FALSE(markup.LoadSkinFile("..\\evil.xml", SkinUI::CSkinMarkup::kUtf8));
    SkinUI::CPaintManagerUI::SetResourceZip("", false);
    SkinUI::CPaintManagerUI::SetResourcePath("");
    testsupport::RemoveFile(inner + "\\skin.zip");
    RemoveDirectoryA(inner.c_str());
}

TEST(ZipArchiveStressTest, MutatedArchivesReadSafely) {
    const std::vector<std::string> seeds = {SmallArchive(false), SmallArchive(true),
                                            testsupport::MakeZip({{"big.xml", std::string(200000, 'x')}})};
    std::mt19937 random(kSeed);
    auto below = [&random](size_t n) { return n == 0 ? size_t(0) : size_t(random() % n); };
    const unsigned iterations = testsupport::FuzzIterations(kDefaultMutations);
    unsigned read = 0;
    const auto start = std::chrono::steady_clock::now();
    for (unsigned i = 0; i < iterations; ++i) {
        std::string zip = seeds[i % seeds.size()];
        for (size_t n = 1 + below(8); n > 0; --n) {
            switch (below(3)) {
                case 0: zip[below(zip.size())] = static_cast<char>(random()); break;
                case 1: zip.resize(zip.size() - below(zip.size() / 4)); break;
                default: {
                    // Sizes and offsets are where readers trust the archive.
                    const size_t at = below(zip.size() - 4);
                    const unsigned value = below(2) ? 0xFFFFFFFFu : unsigned(random());
                    memcpy(&zip[at], &value, 4);
                }
            }
        }
        std::vector<char> out;
        for (const char* name : {"main.xml", "img/a.png", "big.xml"})
            if (ExtractFrom(zip, name, out) == Result::Ok) ++read;
        if (HasFailure()) FAIL() << "mutation " << i;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    printf("zip fuzz: %u inputs, %u entries read, %.1f s\n", iterations, read, seconds);
}

}  // namespace
