// The decisions behind the functions Helper performs for the mouse: which
// tilt method a window class asks for, what a media command does for the
// chosen player, and which program a player's registry entry names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mouse {

// How a horizontal scroll step reaches the window under the cursor.
enum class TiltMethod {
  Default,          // WM_HSCROLL to the window itself (arrow keys for Mozilla windows)
  ScrollBarParent,  // WM_HSCROLL to the parent of the scroll bar found
  ClickScrollBar,   // spreadsheets: click into the scroll bar's corner
};

TiltMethod TiltMethodForClass(std::u16string_view windowClass);

enum class MediaPlayer { WindowsMediaPlayer = 0, ITunes = 1, RealPlayer = 2, Winamp = 3 };

// What one media command does.
struct MediaAction {
  enum class Kind {
    None,
    StartPlayer,    // start the player (or bring it to the front)
    AppCommand,     // WM_APPCOMMAND `value` to Helper's own window
    SendCtrlArrow,  // Ctrl+Left (value 0) or Ctrl+Right (value 1), sent to iTunes
    PostSpace,      // space bar down and up, posted to iTunes
    SendCommand,    // WM_COMMAND `value`, sent to the player's window
  };
  Kind kind = Kind::None;
  unsigned value = 0;
  bool operator==(const MediaAction&) const = default;
};

// The action for media function `code` (25..29) with the player chosen by
// `mediaOption`; nothing unless `release` is 0. The Winamp play/pause
// toggle lives in `winampToggle` (starts at 0).
MediaAction PlanMediaCommand(int mediaOption, std::uint8_t code, std::uint8_t release,
                             int& winampToggle);

// The program a player's "open" command names: the text between the first
// pair of double quotes (after the only quote when there is one), or the
// whole value; nothing unless it contains `mustContain` (any case).
std::optional<std::u16string> PlayerProgramFromCommand(std::u16string_view command,
                                                       std::u16string_view mustContain);

// Case-insensitive search.
bool ContainsIgnoringCase(std::u16string_view text, std::u16string_view part);

}  // namespace mouse
