// JsonCpp's classic writer and reader: their exact forms are what the cloud
// server is sent and what its replies are read with.
#include "cloud/JsonText.h"

#include <json/reader.h>
#include <json/writer.h>

#include <exception>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

std::string StyledJson(const Json::Value& value) {
    Json::StyledWriter writer;
    return writer.write(value);
}

bool ParseJson(const char* text, Json::Value& root) {
    // The reader throws past its nesting limit; any throw is a parse failure.
    try {
        Json::Reader reader;
        return reader.parse(text ? text : "", root, true);
    } catch (const std::exception&) {
        return false;
    }
}

#pragma GCC diagnostic pop

std::string ResultText(const Json::Value& root) {
    if (!root.isObject()) return {};
    const Json::Value& result = root["result"];
    return result.isString() ? result.asString() : std::string();
}
