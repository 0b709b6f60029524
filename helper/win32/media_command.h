#pragma once

#include <windows.h>

#include <cstdint>

namespace mouse::win32 {

// Carries out media function `code` (25..29) for the player chosen by
// `mediaOption`, when `release` is 0: start the player, or send it the
// command for previous, next, play/pause or stop. A player that is not
// running, or not installed, is left alone. WM_APPCOMMAND goes to
// `helperWindow`, which Windows passes on to the active media application.
void MediaCommand(std::uint8_t code, std::uint8_t release, int mediaOption, HWND helperWindow,
                  int& winampToggle);

// Starts the player (or brings Windows Media Player to the front when it
// runs) from the program its registry entry names.
void StartMediaPlayer(int mediaOption);

}  // namespace mouse::win32
