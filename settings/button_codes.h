// The function codes of a button slot (MacroKeyInfo::FunctionCode): what each
// code is called, which chooser page of Option shows it, the default code of
// every slot, and resetting one button. The code is the mouse's own: it goes
// to the mouse unchanged in the button map.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "settings/settings_block.h"

namespace mouse {

// The codes the system itself acts on or writes with parameters.
enum FunctionCode : std::uint8_t {
  kNoFunction = 0,
  kPrimaryClick = 1,
  kKeyStroke = 5,    // Events[0].Key = HID usage, Events[0].Action = KeyModifiers
  kMacro = 16,       // MacroName, MacroParam (play count), EventCount, Events
  kRunProgram = 17,  // ProgramPath
  kMediaPlayerOpen = 25,
  kMediaPrevious = 26,
  kMediaNext = 27,
  kMediaPlayPause = 28,
  kMediaStop = 29,
};

// The highest code any page writes; higher codes can still come from the
// mouse and are kept as they are.
inline constexpr std::uint8_t kLastFunctionCode = 44;

// The modifiers of a KeyStroke assignment (Events[0].Action). This is the
// system's own layout, not the HID modifier byte.
enum KeyModifiers : std::uint8_t {
  kModifierUnused = 0x01,  // never set by a page, ignored when shown
  kModifierShift = 0x02,
  kModifierCtrl = 0x04,
  kModifierAlt = 0x08,
  kModifierWin = 0x10,
};
inline constexpr std::uint8_t kKeyModifierMask =
    kModifierShift | kModifierCtrl | kModifierAlt | kModifierWin;

// The chooser pages of the button assignment window.
enum ChooserTab : int {
  kTabMouseFunctions = 4,
  kTabShortcut = 5,
  kTabMacro = 6,
  kTabMoreFunctions = 7,
};

// One row of the code table. textId is the language-module string that
// names the code, 0 for the codes that have none (5, 16, 17).
struct FunctionCodeInfo {
  std::uint8_t code;
  int textId;
  ChooserTab tab;
};

// Codes 0..44 in order: FunctionCodeTable()[c].code == c.
std::span<const FunctionCodeInfo> FunctionCodeTable();

// Default code of slot 0..14; 0 for any other slot.
std::uint8_t DefaultCode(int slot);

// The chooser page that opens for a slot holding `code`; codes above 44 open
// the more-functions page.
ChooserTab ChooserTabForCode(std::uint8_t code);

// The text id of a code; 0 for codes without one (5, 16, 17, above 44).
int AssignmentTextId(std::uint8_t code);

// Where the texts come from: Windows reads text N from the language module.
class TextSource {
 public:
  virtual ~TextSource() = default;
  // Text N; empty when there is none.
  virtual std::u16string Text(int id) const = 0;
};

// The text that names a code; empty for codes without a text id.
std::u16string AssignmentText(const TextSource& texts, std::uint8_t code);

// Puts button `slot` of profile `profile` back to its default function:
// ButtonIndex = slot, FunctionCode = DefaultCode(slot), no macro name, play
// count 0, no events; ProgramPath stays. Marks the button changed. Returns
// false (and changes nothing) for an index out of range.
bool ResetButton(SettingsBlock& block, int profile, int slot);

}  // namespace mouse
