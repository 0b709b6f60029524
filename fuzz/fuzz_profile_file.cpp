// Our initialisation-file reader on arbitrary text: a document is parsed, a
// profile read from it, written to a fresh document and read again. The
// profile must keep its invariants, and once written, reading and writing
// again must change nothing (checked for one input in eight, chosen by its
// first byte). Byte records are parsed on their own too.
#include <cstdint>
#include <cstring>

#include "fuzz_check.h"
#include "settings/ini_document.h"
#include "settings/ini_values.h"
#include "settings/profile_file.h"
#include "settings/text_encoding.h"

namespace mouse {
namespace {

std::u16string Written(const ProfileRecord& profile) {
  IniDocument doc;
  WriteProfile(profile, doc);
  return doc.Serialize();
}

void CheckInvariants(const ProfileRecord& profile) {
  for (int b = 0; b < kButtonCount; ++b) {
    const MacroKeyInfo& record = profile.MacroKeyInfo[b];
    FUZZ_CHECK(record.ButtonIndex == b);
    FUZZ_CHECK(record.EventCount <= kMaxMacroEvents);
    FUZZ_CHECK(record.MacroName[kMacroNameLength - 1] == 0);
    FUZZ_CHECK(record.ProgramPath[kProgramPathLength - 1] == 0);
  }
}

void ByteRecord(std::u16string_view text, std::size_t size) {
  const auto bytes = ParseByteRecord(text, size);
  if (!bytes) {
    return;
  }
  FUZZ_CHECK(bytes->size() == size);
  std::u16string upper(text);
  for (char16_t& c : upper) {
    if (c >= u'a' && c <= u'f') {
      c = static_cast<char16_t>(c - u'a' + u'A');
    }
  }
  FUZZ_CHECK(FormatByteRecord(bytes->data(), bytes->size()) == upper);
}

}  // namespace
}  // namespace mouse

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace mouse;
  if (size == 0) {
    return 0;
  }
  // The first byte picks how the rest is read as text, as the file reader
  // does: UTF-16LE, UTF-8 or the ANSI code page.
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  std::u16string text;
  switch (data[0] % 3) {
    case 0:
      text = FromUtf16LeBytes(bytes);
      break;
    case 1:
      text = FromUtf8(bytes);
      break;
    default:
      text = CodePage1252().Decode(bytes);
      break;
  }

  const IniDocument doc = IniDocument::Parse(text);
  ProfileRecord first{};
  ReadProfile(first, doc);
  CheckInvariants(first);

  ByteRecord(text, data[0] % 8);
  ByteRecord(text, sizeof(MacroKeyInfo));

  // Writing a whole profile costs far more than reading a short text: only
  // the inputs whose first byte has its top bits clear take that road.
  if ((data[0] & 0xE0) == 0) {
    const std::u16string once = Written(first);
    ProfileRecord second{};
    ReadProfile(second, IniDocument::Parse(once));
    CheckInvariants(second);
    FUZZ_CHECK(Written(second) == once);
  }
  return 0;
}
