// The text numbers of text_ids.h against each other and against the string
// table of Lang.rc, which spells the numbers out and names each entry's
// constant in a comment.
#include "support/lang/text_ids.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace mouse {
namespace {

struct NamedText {
  const char* name;
  unsigned number;
};

#define MOUSE_TEXT_NAMED(name, number) {#name, number},
constexpr NamedText kNamedTexts[] = {MOUSE_TEXTS(MOUSE_TEXT_NAMED)};
#undef MOUSE_TEXT_NAMED

struct RcEntry {
  int line;
  unsigned number;
  std::string name;
};

struct RcTable {
  std::vector<RcEntry> entries;
  std::vector<std::string> unreadable;  // lines of the table that are no entry
};

// One entry of the string table: `number, "text"  // kConstant`. Returns
// false for anything else.
bool ParseEntry(std::string_view line, unsigned& number, std::string& name) {
  std::size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  };
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  skipBlanks();
  if (i == line.size() || !isDigit(line[i])) return false;
  number = 0;
  while (i < line.size() && isDigit(line[i])) number = number * 10 + unsigned(line[i++] - '0');
  skipBlanks();
  if (i == line.size() || line[i++] != ',') return false;
  skipBlanks();
  if (i == line.size() || line[i++] != '"') return false;
  for (;;) {  // the text; "" stands for one quote
    if (i == line.size()) return false;
    if (line[i++] != '"') continue;
    if (i < line.size() && line[i] == '"') {
      ++i;
      continue;
    }
    break;
  }
  skipBlanks();
  if (line.substr(i, 2) != "//") return false;
  i += 2;
  skipBlanks();
  const std::size_t start = i;
  while (i < line.size() && (std::isalnum(static_cast<unsigned char>(line[i])) || line[i] == '_')) {
    ++i;
  }
  name = std::string(line.substr(start, i - start));
  skipBlanks();
  return !name.empty() && i == line.size();
}

// Reads the entries between BEGIN and END of the string table; blank lines
// and comment lines are skipped.
RcTable ReadStringTable(const std::string& path) {
  std::ifstream file(path);
  RcTable table;
  if (!file) {
    table.unreadable.push_back("cannot open " + path);
    return table;
  }
  bool inside = false;
  std::string text;
  for (int line = 1; std::getline(file, text); ++line) {
    if (!inside) {
      inside = text == "BEGIN";
      continue;
    }
    if (text == "END") break;
    RcEntry entry{line, 0, {}};
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos || text.compare(first, 2, "//") == 0) continue;
    if (ParseEntry(text, entry.number, entry.name)) {
      table.entries.push_back(entry);
    } else {
      table.unreadable.push_back(std::to_string(line) + ": " + text);
    }
  }
  return table;
}

TEST(TextIds, EachNumberHasOneConstant) {
  std::map<unsigned, std::string> byNumber;
  for (const NamedText& text : kNamedTexts) {
    const auto [it, added] = byNumber.emplace(text.number, text.name);
    EXPECT_TRUE(added) << text.name << " repeats number " << text.number << " of " << it->second;
  }
  EXPECT_EQ(std::size(kAllTextIds), std::size(kNamedTexts));
}

TEST(LangSource, HoldsEveryNumberOnceUnderItsConstant) {
  const RcTable table = ReadStringTable(LANG_RC_PATH);
  for (const std::string& line : table.unreadable) ADD_FAILURE() << "not an entry: " << line;
  ASSERT_FALSE(table.entries.empty());

  std::map<std::string, unsigned> numberOf;
  for (const NamedText& text : kNamedTexts) numberOf[text.name] = text.number;

  std::set<unsigned> seen;
  for (const RcEntry& entry : table.entries) {
    EXPECT_TRUE(seen.insert(entry.number).second)
        << "line " << entry.line << ": number " << entry.number << " is already in the table";
    const auto it = numberOf.find(entry.name);
    if (it == numberOf.end()) {
      ADD_FAILURE() << "line " << entry.line << ": " << entry.name << " is no text constant";
    } else {
      EXPECT_EQ(entry.number, it->second) << "line " << entry.line << ": " << entry.name;
    }
  }
  for (const NamedText& text : kNamedTexts) {
    EXPECT_TRUE(seen.count(text.number)) << text.name << " (" << text.number << ") has no text";
  }
}

}  // namespace
}  // namespace mouse
