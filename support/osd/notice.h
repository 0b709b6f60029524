// What the on-screen display shows for a display message: the texts are
// taken from config.ini and the profile files when the message arrives,
// because Helper writes them just before it posts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "settings/text_encoding.h"

namespace mouse::osd {

struct Notice {
  std::u16string heading;  // small line above the body; may be empty
  std::u16string body;

  // The notice as one text: the heading, a line break and the body, or the
  // body alone.
  std::u16string Text() const;
  bool operator==(const Notice&) const = default;
};

// The notice for message 1324 with these parameters, reading the files in
// `programFolder`; nothing for an unknown kind, a value out of range or an
// empty text.
//   wParam 40, lParam = profile index (0..4) << 16: "Profile N", with the
//     profile's name from config\Default<index>.gmp when it has one of its
//     own;
//   wParam 70, lParam 0: the macro named in [MacroOSD] "MacroName", with its
//     button from "Number" (0..14) when that is valid;
//   wParam 50, lParam 0: the text of [OSDData] "Message".
std::optional<Notice> NoticeForMessage(std::uint64_t wParam, std::uint64_t lParam,
                                       const std::filesystem::path& programFolder,
                                       const AnsiCodePage& ansi);

}  // namespace mouse::osd
