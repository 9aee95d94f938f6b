#pragma once

#include <QString>

namespace dravik {

// A script run shows its windows on Qt's offscreen platform, which reports
// what it cannot do for a window (size hints, raising it) and what the
// machine lacks for a desktop (a display, a runtime folder). None of it
// concerns the design being run.
bool isOffscreenPlatformNoise(const char* category, const QString& text);

// Drops those reports from here on; every other message, the program's
// own warnings included, goes on to the handler installed before.
void dropOffscreenPlatformNoise();

}  // namespace dravik
