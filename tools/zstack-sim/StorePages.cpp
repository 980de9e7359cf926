// Small HTML pages; their script logs in through window.external.
#include "tools/zstack-sim/StorePages.h"

#include <string>

namespace {

constexpr const char* kHtmlType = "text/html; charset=utf-8";

std::string Page(const std::string& title, const std::string& body) {
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + title +
           "</title></head><body style=\"font-family:sans-serif;margin:24px\">" + body + "</body></html>";
}

// Text shown back in a page: only characters that cannot open markup.
std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

}  // namespace

bool IsStorePageRequest(const SeenRequest& request) {
    return request.method == "GET" && request.target.compare(0, 6, "/store") == 0;
}

ServerReply StorePage(const SeenRequest& request) {
    const std::string& target = request.target;
    if (target == "/store" || target == "/store/") {
        return ServerReply::Status(
            200,
            Page("Tavi",
                 "<h1>Tavi</h1><p>Applications ready to run on your desktop.</p>"
                 "<button onclick=\"window.external.vl_submit()\">Sign in</button>"),
            kHtmlType);
    }
    const std::string searchPrefix = "/store/search?q=";
    if (target.compare(0, searchPrefix.size(), searchPrefix) == 0) {
        const std::string query = target.substr(searchPrefix.size());
        return ServerReply::Status(200, Page("Search", "<h1>Search</h1><p>Results for " + Escaped(query) + "</p>"),
                                   kHtmlType);
    }
    return ServerReply::Status(404, Page("Not found", "<p>No such page.</p>"), kHtmlType);
}
