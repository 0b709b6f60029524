#include "settings/ini_document.h"

#include <algorithm>

#include "settings/ini_values.h"
#include "settings/text_case.h"

namespace mouse {

namespace {

// Joins pieces into one string (one allocation).
std::u16string Join(std::initializer_list<std::u16string_view> pieces) {
  std::size_t size = 0;
  for (const auto piece : pieces) {
    size += piece.size();
  }
  std::u16string joined;
  joined.reserve(size);
  for (const auto piece : pieces) {
    joined.append(piece);
  }
  return joined;
}

// Longest value text Windows hands to its number conversion.
constexpr std::size_t kIntTextLimit = 29;

}  // namespace

bool IniNamesEqual(std::u16string_view a, std::u16string_view b) { return EqualIgnoringCase(a, b); }

IniDocument::Line IniDocument::Line::FromText(std::u16string raw) {
  Line entry;
  entry.raw = std::move(raw);
  const std::u16string_view text(entry.raw);
  const std::size_t equals = text.find(u'=');
  if (equals == std::u16string_view::npos) {
    return entry;
  }
  entry.key = std::u16string(TrimWhiteSpace(text.substr(0, equals)));
  if (entry.key.empty()) {
    return entry;
  }
  const std::u16string_view value = TrimWhiteSpace(text.substr(equals + 1));
  entry.valueStart = static_cast<std::size_t>(value.data() - text.data());
  entry.valueLength = value.size();
  return entry;
}

IniDocument::IniDocument() { sections_.push_back(Section{u"", {}, false, u""}); }

IniDocument IniDocument::Parse(std::u16string_view text) {
  IniDocument doc;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(u'\n', start);
    if (end == std::u16string_view::npos) {
      end = text.size();
    }
    std::u16string_view raw = text.substr(start, end - start);
    if (!raw.empty() && raw.back() == u'\r') {
      raw.remove_suffix(1);
    }
    start = end + 1;

    const std::u16string_view line = TrimWhiteSpace(raw);
    if (!line.empty() && line.front() == u'[') {
      const std::size_t close = line.rfind(u']');
      if (close != std::u16string_view::npos && close > 0) {
        doc.sections_.push_back(
            Section{std::u16string(line.substr(1, close - 1)), {}, true, std::u16string(raw)});
        continue;
      }
    }
    doc.sections_.back().lines.push_back(Line::FromText(std::u16string(raw)));
  }
  return doc;
}

std::u16string IniDocument::Serialize() const {
  std::size_t size = 0;
  for (const Section& section : sections_) {
    size += section.header.size() + 2;
    for (const Line& line : section.lines) {
      size += line.raw.size() + 2;
    }
  }
  std::u16string out;
  out.reserve(size);
  for (const Section& section : sections_) {
    if (section.hasHeader) {
      out += section.header;
      out += u"\r\n";
    }
    for (const Line& line : section.lines) {
      out += line.raw;
      out += u"\r\n";
    }
  }
  return out;
}

template <typename Sections>
auto* IniDocument::FindSectionIn(Sections& sections, std::u16string_view name) {
  decltype(&sections.front()) found = nullptr;
  for (auto& section : sections) {
    if (section.hasHeader && IniNamesEqual(section.name, name)) {
      found = &section;
      break;
    }
  }
  return found;
}

template <typename SectionT>
auto* IniDocument::FindKeyIn(SectionT& section, std::u16string_view key) {
  decltype(&section.lines.front()) found = nullptr;
  for (auto& line : section.lines) {
    if (!line.key.empty() && IniNamesEqual(line.key, key)) {
      found = &line;
      break;
    }
  }
  return found;
}

std::optional<std::u16string_view> IniDocument::Find(std::u16string_view section,
                                                     std::u16string_view key) const {
  const Section* found = FindSectionIn(sections_, section);
  const Line* line = found != nullptr ? FindKeyIn(*found, key) : nullptr;
  if (line == nullptr) {
    return std::nullopt;
  }
  return line->value();
}

std::vector<std::u16string> IniDocument::Keys(std::u16string_view section) const {
  std::vector<std::u16string> keys;
  if (const Section* found = FindSectionIn(sections_, section)) {
    for (const Line& line : found->lines) {
      if (!line.key.empty()) {
        keys.push_back(line.key);
      }
    }
  }
  return keys;
}

void IniDocument::Set(std::u16string_view section, std::u16string_view key,
                      std::u16string_view value) {
  Section* target = FindSectionIn(sections_, section);
  if (target == nullptr) {
    // Keep a blank line between the previous content and the new section.
    Section& last = sections_.back();
    const bool empty = sections_.size() == 1 && last.lines.empty();
    if (!empty && (last.lines.empty() || !TrimWhiteSpace(last.lines.back().raw).empty())) {
      last.lines.push_back(Line{});
    }
    sections_.push_back(Section{std::u16string(section), {}, true, Join({u"[", section, u"]"})});
    target = &sections_.back();
  }
  if (Line* existing = FindKeyIn(*target, key)) {
    *existing = Line::FromText(Join({existing->key, u"=", value}));
    return;
  }
  Line composed = Line::FromText(Join({key, u"=", value}));
  // After the last non-blank line of the section, so blank separator lines
  // stay between sections.
  auto insertAt = target->lines.end();
  while (insertAt != target->lines.begin() && TrimWhiteSpace(std::prev(insertAt)->raw).empty()) {
    --insertAt;
  }
  target->lines.insert(insertAt, std::move(composed));
}

std::u16string IniDocument::GetString(std::u16string_view section, std::u16string_view key) const {
  const auto stored = Find(section, key);
  return stored ? std::u16string(UnquoteStringValue(*stored)) : std::u16string();
}

std::int32_t IniDocument::GetInt(std::u16string_view section, std::u16string_view key,
                                 std::int32_t missing) const {
  const auto stored = Find(section, key);
  if (!stored) {
    return missing;
  }
  const std::u16string_view text = UnquoteStringValue(*stored);
  if (text.empty()) {
    return missing;
  }
  return ParseLeadingInt(text.substr(0, std::min(text.size(), kIntTextLimit)));
}

void IniDocument::SetString(std::u16string_view section, std::u16string_view key,
                            std::u16string_view value) {
  Set(section, key, QuoteStringValue(value));
}

void IniDocument::SetInt(std::u16string_view section, std::u16string_view key, std::int32_t value) {
  Set(section, key, FormatInt(value));
}

}  // namespace mouse
