// The two JSON text forms the cloud messages use.
#pragma once

#include <json/value.h>

#include <string>

// Three spaces per level, " : " between key and value, a final line feed.
std::string StyledJson(const Json::Value& value);

// Parses `text` (comments allowed). False when it is not JSON or nests too deep.
bool ParseJson(const char* text, Json::Value& root);

// The top-level member "result" when it is a string; empty text otherwise.
std::string ResultText(const Json::Value& root);
