#include "navigation/catalog_text.h"

#include <algorithm>
#include <set>
#include <stdexcept>
#include <vector>

#include "controls/number_text.h"
#include "flash/fs_command.h"

namespace hifz {
namespace {

constexpr std::string_view kHeader = "hifz-catalog";
constexpr std::string_view kVersion = "1";
constexpr int kChapters = 114;

// The length of the UTF-8 sequence `text` starts with, or 0 when it is not
// one: overlong forms, surrogates and values past U+10FFFF are not UTF-8.
std::size_t utf8Length(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  return length;
}

bool isUtf8(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = utf8Length(text);
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

std::vector<std::string_view> fieldsOf(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t tab; (tab = line.find('\t')) != std::string_view::npos;) {
    fields.push_back(line.substr(0, tab));
    line.remove_prefix(tab + 1);
  }
  fields.push_back(line);
  return fields;
}

// Why a key, folder or file name cannot be one, or nothing when it can.
std::optional<std::string> badName(std::string_view what, std::string_view name, bool isKey) {
  const std::string quoted = std::string(what) + " \"" + std::string(name) + "\"";
  if (name == "." || name == ".." || name.find_first_of("\\/") != std::string_view::npos)
    return quoted + " is not a name within a folder";
  if (isKey && lowerCased(std::string(name)) != name)
    return quoted + " has capital letters, which a menu's key is compared without";
  return std::nullopt;
}

class Parser {
 public:
  // Why the record makes no sense, or nothing when it is taken in.
  std::optional<std::string> take(const std::vector<std::string_view>& fields) {
    if (!headerSeen_) return header(fields);
    if (fields[0] == "group") return group(fields);
    if (fields[0] == "chapter") return chapter(fields);
    return "\"" + std::string(fields[0]) + "\" is no kind of record";
  }

  // Why the whole makes no sense, or nothing when it is a catalog.
  std::optional<std::string> finish() const {
    if (!headerSeen_) return "it holds no header line";
    if (catalog_.groups.empty()) return "it holds no group";
    for (const ChapterGroup& group : catalog_.groups) {
      if (std::ranges::none_of(catalog_.chapters,
                               [&](const ChapterRow& row) { return row.group == group.key; }))
        return "the group \"" + group.key + "\" has no chapter";
    }
    return std::nullopt;
  }

  Catalog& catalog() { return catalog_; }

 private:
  std::optional<std::string> header(const std::vector<std::string_view>& fields) {
    if (fields[0] != kHeader || fields.size() != 2)
      return "it does not start with the header \"hifz-catalog<tab>1\"";
    if (fields[1] != kVersion) return "its version " + std::string(fields[1]) + " is not known";
    headerSeen_ = true;
    return std::nullopt;
  }

  std::optional<std::string> group(const std::vector<std::string_view>& fields) {
    if (fields.size() != 4) return "a group has 3 fields, not " + std::to_string(fields.size() - 1);
    if (const auto why = emptyField(fields)) return why;
    const ChapterGroup group{std::string(fields[1]), std::string(fields[2]),
                             std::string(fields[3])};
    if (const auto why = badName("the group key", group.key, true)) return why;
    if (const auto why = badName("the list movie", group.listMovie, false)) return why;
    if (catalog_.findGroup(group.key)) return "the group key \"" + group.key + "\" is used twice";
    catalog_.groups.push_back(group);
    return std::nullopt;
  }

  std::optional<std::string> chapter(const std::vector<std::string_view>& fields) {
    if (catalog_.groups.empty()) return "a chapter comes before any group";
    if (fields.size() != 6)
      return "a chapter has 5 fields, not " + std::to_string(fields.size() - 1);
    if (const auto why = emptyField(fields)) return why;
    ChapterRow row{catalog_.groups.back().key, std::string(fields[1]),
                   std::string(fields[2]),     0,
                   std::string(fields[4]),     0};
    if (const auto why = badName("the chapter key", row.key, true)) return why;
    if (const auto why = badName("the folder", row.folder, false)) return why;
    const std::optional<int> number = plainNumber(fields[3]);
    if (!number || *number > kChapters)
      return "the chapter number \"" + std::string(fields[3]) + "\" is not one of 1 to 114";
    const std::optional<int> verses = plainNumber(fields[5]);
    if (!verses || *verses > kMostVerses)
      return "the verse count \"" + std::string(fields[5]) + "\" is not one of 1 to 286";
    row.number = *number;
    row.verses = *verses;
    if (catalog_.findChapter(row.group, row.key))
      return "the chapter key \"" + row.key + "\" is used twice in the group \"" + row.group + "\"";
    if (!folders_.insert(lowerCased(row.group + "\\" + row.folder)).second)
      return "the folder \"" + row.folder + "\" is used twice in the group \"" + row.group + "\"";
    if (!numbers_.insert(row.number).second)
      return "the chapter number " + std::to_string(row.number) + " is used twice";
    catalog_.chapters.push_back(std::move(row));
    return std::nullopt;
  }

  static std::optional<std::string> emptyField(const std::vector<std::string_view>& fields) {
    for (std::size_t i = 1; i < fields.size(); ++i)
      if (fields[i].empty()) return "its field " + std::to_string(i) + " is empty";
    return std::nullopt;
  }

  Catalog catalog_;
  bool headerSeen_ = false;
  // Folders by their group and name, letter case aside, as the disk matches them.
  std::set<std::string> folders_;
  std::set<int> numbers_;
};

bool hasControlCharacter(std::string_view line) {
  return std::ranges::any_of(line, [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t') || byte == 0x7F;
  });
}

}  // namespace

CatalogReading parseCatalog(std::string_view text) {
  if (text.size() > kLargestCatalog) return {std::nullopt, "it is larger than 1 MiB"};
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  Parser parser;
  for (int number = 1; !text.empty(); ++number) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::string at = "line " + std::to_string(number) + ": ";
    if (line.size() > kLongestCatalogLine) return {std::nullopt, at + "it is longer than 4 KiB"};
    if (!isUtf8(line)) return {std::nullopt, at + "it holds bytes that are not UTF-8"};
    if (hasControlCharacter(line)) return {std::nullopt, at + "it holds a control character"};
    if (line.empty() || line.starts_with('#')) continue;
    if (const auto why = parser.take(fieldsOf(line))) return {std::nullopt, at + *why};
  }
  if (const auto why = parser.finish()) return {std::nullopt, *why};
  return {std::move(parser.catalog()), {}};
}

std::string formatCatalog(const Catalog& catalog) {
  const auto field = [](const std::string& text) -> const std::string& {
    if (text.find_first_of("\t\r\n") != std::string::npos)
      throw std::invalid_argument("a catalog field holds a tab or a line's end: " + text);
    return text;
  };
  std::string text = std::string(kHeader) + "\t" + std::string(kVersion) + "\n";
  std::size_t written = 0;
  for (const ChapterGroup& group : catalog.groups) {
    text += "group\t" + field(group.key) + "\t" + field(group.listMovie) + "\t" +
            field(group.title) + "\n";
    for (const ChapterRow& row : catalog.chapters) {
      if (row.group != group.key) continue;
      text += "chapter\t" + field(row.key) + "\t" + field(row.folder) + "\t" +
              std::to_string(row.number) + "\t" + field(row.arabicName) + "\t" +
              std::to_string(row.verses) + "\n";
      ++written;
    }
  }
  if (written != catalog.chapters.size())
    throw std::invalid_argument("a chapter's group is not in the catalog");
  return text;
}

}  // namespace hifz
