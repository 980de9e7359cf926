// Skin parse throughput: CSkinMarkup against pugixml's in-place parse over the
// same generated corpus of skins (over 10 MB), side by side in rounds.
#include <windows.h>

#include <pugixml/pugixml.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "skinui/core/Markup.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kCorpusBytes = 12u << 20;
constexpr int kRounds = 7;

// Chinese texts in UTF-8, as skins carry them.
const char* const kTexts[] = {
    "\xe7\xa1\xae\xe5\xae\x9a",                          // 确定
    "\xe5\x8f\x96\xe6\xb6\x88",                          // 取消
    "\xe6\xad\xa3\xe5\x9c\xa8\xe5\x8d\xb8\xe8\xbd\xbd\xe2\x80\xa6",  // 正在卸载…
    "Tavi\xe5\xba\x94\xe7\x94\xa8\xe5\x95\x86\xe5\xba\x97",         // Tavi应用商店
    "OK", "Settings", "\xe9\xa6\x96\xe9\xa1\xb5",        // 首页
};
const char* const kControls[] = {"Button", "Label", "Option", "Edit", "Text", "Progress", "CheckBox"};

class SkinGenerator {
public:
    explicit SkinGenerator(unsigned seed) : m_random(seed) {}

    std::string Skin() {
        std::string out = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Window size=\"800,600\" "
                          "caption=\"0,0,0,32\" roundcorner=\"4,4\" sizebox=\"4,4,4,4\">\n";
        out += "  <Font name=\"\xe5\xae\x8b\xe4\xbd\x93\" size=\"12\" bold=\"false\" />\n";
        out += "  <Default name=\"Button\" value=\"textcolor=&quot;#FF333333&quot;\" />\n";
        Layout(out, 1, 3);
        return out + "</Window>\n";
    }

private:
    int Below(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }

    void Layout(std::string& out, int depth, int maxDepth) {
        const std::string indent(static_cast<size_t>(depth) * 2, ' ');
        const char* kind = Below(2) ? "VerticalLayout" : "HorizontalLayout";
        out += indent + "<" + kind + " name=\"layout" + std::to_string(Below(1000)) +
               "\" inset=\"4,4,4,4\" childpadding=\"6\" bkcolor=\"#FFF0F0F0\">\n";
        const int children = 3 + Below(6);
        for (int i = 0; i < children; ++i) {
            if (depth < maxDepth && Below(3) == 0) {
                Layout(out, depth + 1, maxDepth);
                continue;
            }
            out += indent + "  <" + kControls[Below(7)] + " name=\"c" + std::to_string(Below(100000)) +
                   "\" text=\"" + kTexts[Below(7)] + "\" width=\"" + std::to_string(40 + Below(200)) +
                   "\" height=\"" + std::to_string(20 + Below(20)) +
                   "\" normalimage=\"file='btn.png' source='0,0,80,24' corner='4,4,4,4'\" "
                   "hotimage=\"file='btn.png' source='80,0,160,24'\" textcolor=\"#FF000000\" "
                   "tooltip=\"" + kTexts[Below(7)] + " &amp; more\" />\n";
        }
        out += indent + "</" + kind + ">\n";
    }

    std::mt19937 m_random;
};

std::string Utf8ToAnsi(const std::string& utf8) {
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), units);
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), units, ansi.data(), bytes, nullptr, nullptr);
    return ansi;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename Fn>
double Seconds(Fn&& fn) {
    const auto start = Clock::now();
    fn();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main() {
    SkinGenerator generator(7);
    std::vector<std::string> utf8, ansi;
    size_t utf8Bytes = 0, ansiBytes = 0;
    while (utf8Bytes < kCorpusBytes) {
        utf8.push_back(generator.Skin());
        ansi.push_back(Utf8ToAnsi(utf8.back()));
        utf8Bytes += utf8.back().size();
        ansiBytes += ansi.back().size();
    }

    std::vector<char> scratch;
    size_t checksum = 0;
    auto pugiPass = [&] {
        for (const std::string& doc : utf8) {
            scratch.assign(doc.begin(), doc.end());  // in-place parse needs its own copy
            pugi::xml_document xml;
            const pugi::xml_parse_result result =
                xml.load_buffer_inplace(scratch.data(), scratch.size(), pugi::parse_default, pugi::encoding_utf8);
            checksum += result ? 1 : 0;
        }
    };
    auto textPass = [&] {
        SkinUI::CSkinMarkup markup;
        for (const std::string& doc : ansi) checksum += markup.LoadText(doc.c_str()) ? 1 : 0;
    };
    auto bytesPass = [&] {
        SkinUI::CSkinMarkup markup;
        for (const std::string& doc : utf8)
            checksum += markup.LoadBytes(doc.data(), static_cast<unsigned>(doc.size()), 0) ? 1 : 0;
    };

    pugiPass();
    textPass();
    bytesPass();
    if (checksum != 3 * utf8.size()) {
        fprintf(stderr, "corpus did not parse everywhere (%zu of %zu)\n", checksum, 3 * utf8.size());
        return 1;
    }

    std::vector<double> pugi, text, bytes, textRatio, bytesRatio;
    for (int round = 0; round < kRounds; ++round) {
        const double p = Seconds(pugiPass);
        const double t = Seconds(textPass);
        const double b = Seconds(bytesPass);
        pugi.push_back(utf8Bytes / p / 1e6);
        text.push_back(ansiBytes / t / 1e6);
        bytes.push_back(utf8Bytes / b / 1e6);
        textRatio.push_back(p / t);
        bytesRatio.push_back(p / b);
    }

    printf("corpus: %zu skins, %.1f MB UTF-8 (%.1f MB GBK), %d rounds\n", utf8.size(),
           utf8Bytes / 1e6, ansiBytes / 1e6, kRounds);
    printf("%-34s median %7.1f MB/s\n", "pugixml load_buffer_inplace", Median(pugi));
    printf("%-34s median %7.1f MB/s\n", "CSkinMarkup::LoadText (parse)", Median(text));
    printf("%-34s median %7.1f MB/s\n", "CSkinMarkup::LoadBytes (UTF-8)", Median(bytes));
    printf("parse throughput ratio (CSkinMarkup / pugixml): %.2f (min %.2f, max %.2f; target >= 1.0)\n",
           Median(textRatio), *std::min_element(textRatio.begin(), textRatio.end()),
           *std::max_element(textRatio.begin(), textRatio.end()));
    printf("with UTF-8 conversion: %.2f (min %.2f, max %.2f)\n", Median(bytesRatio),
           *std::min_element(bytesRatio.begin(), bytesRatio.end()),
           *std::max_element(bytesRatio.begin(), bytesRatio.end()));
    return 0;
}
