// Mutation fuzzing of the markup parser from the seed skins beside this file:
// no crash, and every failure one of the parser's named messages.
// TAVI_FUZZ_ITERATIONS overrides the count (scripts/fuzz.sh runs a million).
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "skinui/core/Markup.h"
#include "tests/support/FuzzInputs.h"

namespace {

constexpr unsigned kDefaultIterations = 50000;
constexpr unsigned kSeed = 20261211;

const std::set<std::string> kMessages = {
    "Expected start tag",           "Error parsing element name",
    "Error while parsing attributes", "Expected attribute value",
    "Error while parsing attribute string", "Expected start-tag closing",
    "Expected end-tag start",       "Unmatched closing tag",
    "Element nesting too deep",
};

class Mutator {
public:
    explicit Mutator(unsigned seed) : m_random(seed) {}

    std::string Mutate(std::string text) {
        const int rounds = 1 + Below(4);
        for (int i = 0; i < rounds && !text.empty(); ++i) {
            switch (Below(7)) {
                case 0:  // flip bytes
                    for (int n = 1 + Below(8); n > 0; --n)
                        text[Below(text.size())] ^= static_cast<char>(1 << Below(8));
                    break;
                case 1:  // cut the end
                    text.resize(Below(text.size()));
                    break;
                case 2: {  // remove a range
                    const size_t at = Below(text.size());
                    text.erase(at, Below(text.size() - at) + 1);
                    break;
                }
                case 3: {  // duplicate a range
                    const size_t at = Below(text.size());
                    const std::string piece = text.substr(at, Below(200) + 1);
                    text.insert(Below(text.size()), piece);
                    break;
                }
                case 4: {  // nest deeper
                    std::string open, close;
                    for (int n = Below(1500); n > 0; --n) {
                        open += "<N>";
                        close += "</N>";
                    }
                    const size_t at = text.find("<", 1);
                    text.insert(at == std::string::npos ? 0 : at, open + close);
                    break;
                }
                case 5: {  // multiply an attribute
                    const size_t eq = text.find("=\"", Below(text.size()));
                    if (eq == std::string::npos) break;
                    const size_t end = text.find('"', eq + 2);
                    const size_t start = text.rfind(' ', eq);
                    if (end == std::string::npos || start == std::string::npos) break;
                    const std::string attribute = text.substr(start, end - start + 1);
                    std::string many;
                    for (int n = Below(100); n > 0; --n) many += attribute;
                    text.insert(end + 1, many);
                    break;
                }
                case 6: {  // markup and double-byte bytes where they hurt
                    static const char kNasty[] = {'<', '>', '"', '&', '/', '=', '!', '?', '-',
                                                  '\0', '\x81', '\x95', '\xff', ' ', '\n'};
                    for (int n = 1 + Below(6); n > 0; --n)
                        text.insert(Below(text.size() + 1), 1, kNasty[Below(sizeof(kNasty))]);
                    break;
                }
            }
        }
        return text;
    }

    int Below(size_t n) {
        return n == 0 ? 0 : static_cast<int>(m_random() % n);
    }

private:
    std::mt19937 m_random;
};

TEST(MarkupFuzzTest, MutatedSkinsLoadOrFailWithANamedMessage) {
    const std::vector<std::string> seeds = testsupport::ReadSeeds("markup-seeds", "*.xml");
    ASSERT_GE(seeds.size(), 4u);
    const unsigned iterations = testsupport::FuzzIterations(kDefaultIterations);
    Mutator mutator(kSeed);
    unsigned loaded = 0, failed = 0;
    const auto start = std::chrono::steady_clock::now();
    for (unsigned i = 0; i < iterations; ++i) {
        const std::string input = mutator.Mutate(seeds[i % seeds.size()]);
        SkinUI::CSkinMarkup markup;
        const int encoding = mutator.Below(3);
        const bool ok = markup.LoadBytes(input.data(), static_cast<unsigned>(input.size()), encoding);
        if (ok) {
            ++loaded;
            // Walk everything the document offers.
            std::vector<SkinUI::CSkinMarkupNode> pending{markup.Root()};
            while (!pending.empty()) {
                SkinUI::CSkinMarkupNode node = pending.back();
                pending.pop_back();
                for (; node.Exists(); node = node.NextSibling()) {
                    for (int a = 0; a < node.AttributeCount(); ++a) {
                        ASSERT_NE(node.AttributeName(a), nullptr);
                        ASSERT_NE(node.AttributeValue(a), nullptr);
                    }
                    if (node.HasChild()) pending.push_back(node.FirstChild());
                }
            }
        } else {
            ++failed;
            // A UTF-16 load of bytes without a byte-order mark fails with no message.
            const std::string message = markup.GetLastErrorMessage();
            if (message.empty()) {
                ASSERT_EQ(encoding, 1) << "input " << i;
            } else {
                ASSERT_TRUE(kMessages.count(message)) << "input " << i << ": " << message;
            }
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    printf("markup fuzz: %u inputs, %u loaded, %u failed with a named message, %.1f s\n",
           iterations, loaded, failed, seconds);
}

}  // namespace
