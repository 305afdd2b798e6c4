// The platform as the unit tests see it: connections they set, lines they read.
#pragma once

#include <vector>

#include "resolve/resolve.h"

namespace tarnwick::fake {

// Served by EnumerateConnections.
extern std::vector<ConnectionEntry> connections;
// Every line given to WriteLine, without its line end.
extern std::vector<ByteText> lines;
// How often EnumerateConnections was called.
extern int enumerations;

void Reset();

}  // namespace tarnwick::fake
