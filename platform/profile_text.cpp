#include "platform/profile_text.hpp"

#include <algorithm>
#include <vector>

namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
  a = Trim(a);
  b = Trim(b);
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

// One line of the file, its line break included (the last line may have none).
struct Line {
  std::string_view whole;
  std::string_view content() const {
    std::string_view c = whole;
    while (!c.empty() && (c.back() == '\n' || c.back() == '\r')) c.remove_suffix(1);
    return c;
  }
  std::optional<std::string_view> SectionName() const {
    const std::string_view c = Trim(content());
    if (c.empty() || c.front() != '[') return std::nullopt;
    const auto close = c.find(']');
    return Trim(c.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
  }
  bool IsComment() const {
    const std::string_view c = Trim(content());
    return !c.empty() && c.front() == ';';
  }
  std::optional<std::string_view> KeyName() const {
    if (SectionName() || IsComment()) return std::nullopt;
    const std::string_view c = content();
    const auto equals = c.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return Trim(c.substr(0, equals));
  }
  std::string_view Value() const {
    const std::string_view c = content();
    return Trim(c.substr(c.find('=') + 1));
  }
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back({text.substr(0, length)});
    text.remove_prefix(length);
  }
  return lines;
}

// The lines of the first matching section: [begin, end) after its header line.
struct SectionRange {
  std::size_t header;
  std::size_t end;
};

std::optional<SectionRange> FindSection(const std::vector<Line> &lines, std::string_view name) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto found = lines[i].SectionName();
    if (!found || !SameName(*found, name)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !lines[end].SectionName()) ++end;
    return SectionRange{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<Line> &lines, SectionRange section,
                                   std::string_view key) {
  for (std::size_t i = section.header + 1; i < section.end; ++i) {
    const auto found = lines[i].KeyName();
    if (found && SameName(*found, key)) return i;
  }
  return std::nullopt;
}

std::string OneLine(std::string_view value) {
  std::string out(Trim(value));
  std::replace_if(
      out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return out;
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
  const std::vector<Line> lines = SplitLines(text);
  const auto range = FindSection(lines, section);
  if (!range) return std::nullopt;
  const auto index = FindKey(lines, *range, key);
  if (!index) return std::nullopt;
  return std::string(lines[*index].Value());
}

std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value) {
  const std::vector<Line> lines = SplitLines(text);
  const std::string keyLine = std::string(Trim(key)) + "=" + OneLine(value);
  std::string out;
  const auto appendLine = [&out](std::string_view line) {
    if (!out.empty() && out.back() != '\n') out += "\r\n";
    out += line;
    out += "\r\n";
  };

  const auto range = FindSection(lines, section);
  if (!range) {
    out = std::string(text);
    appendLine("[" + std::string(Trim(section)) + "]");
    appendLine(keyLine);
    return out;
  }

  const auto keyIndex = FindKey(lines, *range, key);
  // Without the key, the new line goes after the section's last line that is not blank.
  std::size_t insertAfter = range->header;
  for (std::size_t i = range->header + 1; i < range->end; ++i) {
    if (!Trim(lines[i].content()).empty()) insertAfter = i;
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (keyIndex && i == *keyIndex) {
      const std::string_view whole = lines[i].whole;
      out += keyLine;
      out += whole.substr(lines[i].content().size());  // the line's own line break
      continue;
    }
    out += lines[i].whole;
    if (!keyIndex && i == insertAfter) appendLine(keyLine);
  }
  return out;
}
