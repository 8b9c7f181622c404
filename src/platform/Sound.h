// Looping background music, played by the media module (platform/MediaModule.h). A missing
// file, no module or no audio device plays nothing, silently.
#pragma once

#include <functional>
#include <string>

namespace platform
{
// Starts the wave file at the program's path ("Sound\Main.wav") looping until replaced.
void PlaySoundLoop(const char* path);
// Stops the current sound and releases its player.
void StopSound();
// The path of the sound that plays now, or "" after StopSound.
std::string CurrentSound();

// Tests may silence real playback: with the hook installed, PlaySoundLoop and StopSound only
// call it (with the path, or "" for stop).
using SoundHook = std::function<void(const std::string&)>;
SoundHook SetSoundHook(SoundHook hook);
} // namespace platform
