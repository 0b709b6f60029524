#include "settings/button_codes.h"

#include <array>
#include <cstring>

#include "settings/fixed_text.h"

namespace mouse {

namespace {

// Short names that keep the table readable: the chooser page of each code.
constexpr ChooserTab M = kTabMouseFunctions;
constexpr ChooserTab K = kTabShortcut;
constexpr ChooserTab C = kTabMacro;
constexpr ChooserTab F = kTabMoreFunctions;

constexpr std::array<FunctionCodeInfo, kLastFunctionCode + 1> kTable = {{
    {0, 1209, F},  {1, 1203, M},  {2, 1204, M},  {3, 1205, M},  {4, 1208, M},  {5, 0, K},
    {6, 1209, F},  {7, 1206, M},  {8, 1207, M},  {9, 1212, M},  {10, 1213, M}, {11, 1214, M},
    {12, 1215, M}, {13, 1221, M}, {14, 1222, M}, {15, 1223, M}, {16, 0, C},    {17, 0, F},
    {18, 1217, M}, {19, 1218, M}, {20, 1219, M}, {21, 1210, M}, {22, 1226, M}, {23, 1227, F},
    {24, 1225, M}, {25, 1332, F}, {26, 1333, F}, {27, 1334, F}, {28, 1335, F}, {29, 1336, F},
    {30, 1337, F}, {31, 1338, F}, {32, 1339, F}, {33, 1330, F}, {34, 1328, F}, {35, 1327, F},
    {36, 1324, F}, {37, 1323, F}, {38, 1325, F}, {39, 1329, F}, {40, 1326, F}, {41, 1322, F},
    {42, 1321, F}, {43, 1228, F}, {44, 1229, F},
}};

constexpr bool TableIsIndexedByCode() {
  for (std::size_t i = 0; i < kTable.size(); ++i) {
    if (kTable[i].code != i) {
      return false;
    }
  }
  return true;
}
static_assert(TableIsIndexedByCode());

}  // namespace

std::span<const FunctionCodeInfo> FunctionCodeTable() { return kTable; }

std::uint8_t DefaultCode(int slot) {
  return slot >= 0 && slot < kButtonCount ? kDefaultButtonCodes[slot] : 0;
}

ChooserTab ChooserTabForCode(std::uint8_t code) {
  return code < kTable.size() ? kTable[code].tab : kTabMoreFunctions;
}

int AssignmentTextId(std::uint8_t code) { return code < kTable.size() ? kTable[code].textId : 0; }

std::u16string AssignmentText(const TextSource& texts, std::uint8_t code) {
  const int id = AssignmentTextId(code);
  return id != 0 ? texts.Text(id) : std::u16string();
}

bool ResetButton(SettingsBlock& block, int profile, int slot) {
  if (!IsProfileIndex(profile) || slot < 0 || slot >= kButtonCount) {
    return false;
  }
  MacroKeyInfo& record = block.Profiles[profile].MacroKeyInfo[slot];
  record.ButtonIndex = static_cast<std::uint8_t>(slot);
  record.FunctionCode = DefaultCode(slot);
  SetFixedText(record.MacroName, u"");
  record.MacroParam = 0;
  record.EventCount = 0;
  std::memset(record.Events, 0, sizeof record.Events);
  block.ButtonDirty[profile][slot] = 1;
  return true;
}

}  // namespace mouse
