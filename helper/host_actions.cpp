#include "helper/host_actions.h"

#include <array>
#include <utility>

#include "settings/text_case.h"

namespace mouse {

namespace {

constexpr std::array<std::pair<std::u16string_view, TiltMethod>, 12> kTiltClasses = {{
    {u"_WwG", TiltMethod::ScrollBarParent},
    {u"AVL_AVView", TiltMethod::ScrollBarParent},
    {u"EXCEL7", TiltMethod::ClickScrollBar},
    {u"paneClassDC", TiltMethod::ScrollBarParent},
    {u"VISIOG", TiltMethod::ScrollBarParent},
    {u"PSViewC", TiltMethod::ScrollBarParent},
    {u"EditControl", TiltMethod::ScrollBarParent},
    {u"FrontPageEditorDocumentView", TiltMethod::ScrollBarParent},
    {u"OGrid", TiltMethod::ScrollBarParent},
    {u"OFormSub", TiltMethod::ScrollBarParent},
    {u"OPrtPrevPage", TiltMethod::ScrollBarParent},
    {u"", TiltMethod::Default},
}};

// WM_APPCOMMAND commands.
constexpr unsigned kAppCommandNextTrack = 11;
constexpr unsigned kAppCommandPreviousTrack = 12;
constexpr unsigned kAppCommandStop = 13;
constexpr unsigned kAppCommandPlayPause = 14;

using Kind = MediaAction::Kind;

MediaAction ForWindowsMediaPlayer(std::uint8_t code) {
  switch (code) {
    case 26:
      return {Kind::AppCommand, kAppCommandPreviousTrack};
    case 27:
      return {Kind::AppCommand, kAppCommandNextTrack};
    case 28:
      return {Kind::AppCommand, kAppCommandPlayPause};
    case 29:
      return {Kind::AppCommand, kAppCommandStop};
    default:
      return {};
  }
}

MediaAction ForITunes(std::uint8_t code) {
  switch (code) {
    case 26:
      return {Kind::SendCtrlArrow, 0};
    case 27:
      return {Kind::SendCtrlArrow, 1};
    case 28:
    case 29:
      return {Kind::PostSpace, 0};
    default:
      return {};
  }
}

MediaAction ForRealPlayer(std::uint8_t code) {
  switch (code) {
    case 26:
      return {Kind::SendCommand, 65740};
    case 27:
      return {Kind::SendCommand, 65739};
    case 28:
      return {Kind::SendCommand, 65736};
    case 29:
      return {Kind::SendCommand, 65737};
    default:
      return {};
  }
}

MediaAction ForWinamp(std::uint8_t code, int& toggle) {
  switch (code) {
    case 26:
      return {Kind::SendCommand, 40044};
    case 27:
      return {Kind::SendCommand, 40048};
    case 28: {
      const unsigned command = toggle == 0 ? 40045 : 40046;
      toggle = toggle == 0 ? 1 : 0;
      return {Kind::SendCommand, command};
    }
    case 29:
      return {Kind::SendCommand, 40047};
    default:
      return {};
  }
}

}  // namespace

TiltMethod TiltMethodForClass(std::u16string_view windowClass) {
  for (const auto& [name, method] : kTiltClasses) {
    if (!name.empty() && name == windowClass) {
      return method;
    }
  }
  return TiltMethod::Default;
}

MediaAction PlanMediaCommand(int mediaOption, std::uint8_t code, std::uint8_t release,
                             int& winampToggle) {
  if (release != 0 || code < 25 || code > 29 || mediaOption < 0 || mediaOption > 3) {
    return {};
  }
  if (code == 25) {
    return {Kind::StartPlayer, static_cast<unsigned>(mediaOption)};
  }
  switch (static_cast<MediaPlayer>(mediaOption)) {
    case MediaPlayer::WindowsMediaPlayer:
      return ForWindowsMediaPlayer(code);
    case MediaPlayer::ITunes:
      return ForITunes(code);
    case MediaPlayer::RealPlayer:
      return ForRealPlayer(code);
    case MediaPlayer::Winamp:
      return ForWinamp(code, winampToggle);
  }
  return {};
}

bool ContainsIgnoringCase(std::u16string_view text, std::u16string_view part) {
  if (part.size() > text.size()) {
    return false;
  }
  for (std::size_t i = 0; i + part.size() <= text.size(); ++i) {
    if (EqualIgnoringCase(text.substr(i, part.size()), part)) {
      return true;
    }
  }
  return false;
}

std::optional<std::u16string> PlayerProgramFromCommand(std::u16string_view command,
                                                       std::u16string_view mustContain) {
  std::u16string_view path = command;
  if (const std::size_t open = command.find(u'"'); open != std::u16string_view::npos) {
    path = command.substr(open + 1);
    if (const std::size_t close = path.find(u'"'); close != std::u16string_view::npos) {
      path = path.substr(0, close);
    }
  }
  if (path.empty() || !ContainsIgnoringCase(path, mustContain)) {
    return std::nullopt;
  }
  return std::u16string(path);
}

}  // namespace mouse
