// Marks the process's URL-library user agent (the browser's page loads
// included) with the store's token.
#pragma once

#include <cstddef>

// The agent with ";VelorDEZ" before its last ")" (or at its end, then ")").
// False, and nothing written, when the agent already carries "RuDazuruv" or
// the result does not fit `size` bytes.
bool TaggedUserAgent(const char* agent, char* out, size_t size);

// Rebuilds urlmon's default agent and sets the tagged one. Does nothing when
// urlmon or its session functions are missing, or the agent is too long.
void TagUserAgent();
