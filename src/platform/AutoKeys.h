// A test-only driver: when the environment names keys in VELMORIA_AUTOKEYS ("Return Alt+X"),
// the program presses them itself, one at a time, through the platform's real input path, so
// that a test can run the whole program from its entry to its exit handlers. Without the
// variable nothing happens.
#pragma once

namespace platform
{
// Reads VELMORIA_AUTOKEYS and, when it names keys, starts pressing them: each key goes to the
// window that has the keyboard focus once that window has stood shown for a second, and is
// written to standard error with the window's caption ("autokeys: Alt+X -> Velmoria - [Main]").
void StartAutoKeys();
} // namespace platform
