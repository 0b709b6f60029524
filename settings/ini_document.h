// An initialisation file held in memory: sections in square brackets and
// key=value lines, keys and sections matched without regard to case. Lines
// that are not changed are written back exactly as they were read; a changed
// key is replaced in place; a new key goes at the end of its section, a new
// section at the end of the file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mouse {

class IniDocument {
 public:
  IniDocument();
  static IniDocument Parse(std::u16string_view text);

  // The file text, lines ended by CR LF.
  std::u16string Serialize() const;

  // The raw stored value of a key (trimmed, quotes kept); nothing when the
  // section or the key is missing.
  std::optional<std::u16string_view> Find(std::u16string_view section,
                                          std::u16string_view key) const;
  // The keys of a section in file order.
  std::vector<std::u16string> Keys(std::u16string_view section) const;
  // Replaces or adds a key with a raw stored value.
  void Set(std::u16string_view section, std::u16string_view key, std::u16string_view value);

  // Typed access with the value kinds of ini_values.h.
  std::u16string GetString(std::u16string_view section, std::u16string_view key) const;
  std::int32_t GetInt(std::u16string_view section, std::u16string_view key,
                      std::int32_t missing) const;
  void SetString(std::u16string_view section, std::u16string_view key, std::u16string_view value);
  void SetInt(std::u16string_view section, std::u16string_view key, std::int32_t value);

 private:
  struct Line {
    std::u16string raw;          // the line as read or composed, without line break
    std::u16string key;          // empty unless the line is a key line
    std::size_t valueStart = 0;  // the trimmed value of a key line, within raw
    std::size_t valueLength = 0;

    static Line FromText(std::u16string raw);
    std::u16string_view value() const {
      return std::u16string_view(raw).substr(valueStart, valueLength);
    }
  };
  struct Section {
    std::u16string name;
    std::vector<Line> lines;  // header excluded
    bool hasHeader = true;    // false for the lines before the first header
    std::u16string header;    // raw header line
  };

  template <typename Sections>
  static auto* FindSectionIn(Sections& sections, std::u16string_view name);
  template <typename SectionT>
  static auto* FindKeyIn(SectionT& section, std::u16string_view key);

  std::vector<Section> sections_;
};

// Windows' case-insensitive comparison of section and key names.
bool IniNamesEqual(std::u16string_view a, std::u16string_view b);

}  // namespace mouse
