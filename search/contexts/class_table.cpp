#include "search/contexts/class_table.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "search/os/platform.h"
#include "search/texts/encoding.h"
#include "search/texts/search_error.h"

namespace search::contexts {
namespace {

constexpr std::string_view kBlanks = " \t";

// The words of `text` separated by spaces and tabs.
std::vector<std::string> SplitWords(std::string_view text) {
  std::vector<std::string> words;
  for (std::size_t start = text.find_first_not_of(kBlanks); start != std::string_view::npos;) {
    const std::size_t end = std::min(text.find_first_of(kBlanks, start), text.size());
    words.emplace_back(text.substr(start, end - start));
    start = text.find_first_not_of(kBlanks, end);
  }
  return words;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

const std::vector<std::string>* ClassTable::Find(std::string_view name) const {
  for (const Class& each : classes_) {
    if (each.name == name) return &each.symbols;
  }
  return nullptr;
}

const std::vector<std::string>& ClassTable::Get(std::string_view name) const {
  if (const auto* symbols = Find(name)) return *symbols;
  throw texts::SearchError("'" + path_ + "': no class '@" + std::string(name) + "'");
}

void ClassTable::AddText(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::size_t number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    std::string_view line = text.substr(0, end);
    // CR LF, LF and CR each end a line.
    text.remove_prefix(end);
    if (text.starts_with("\r\n")) {
      text.remove_prefix(2);
    } else if (!text.empty()) {
      text.remove_prefix(1);
    }
    const auto fail = [&](const std::string& reason) {
      throw texts::SearchError("'" + path_ + "' line " + std::to_string(number) + ": " + reason);
    };
    if (!texts::IsValidUtf8(line)) fail("not UTF-8");
    line = line.substr(0, std::min(line.find('#'), line.size()));
    if (line.find_first_not_of(kBlanks) == std::string_view::npos) continue;

    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) fail("no '=' after the class's name");
    std::vector<std::string> name = SplitWords(line.substr(0, equals));
    std::vector<std::string> symbols = SplitWords(line.substr(equals + 1));
    if (name.size() != 1) fail("write one name before '=', as in '@voiceless = P T K'");
    const std::string written = name[0];
    if (name[0].starts_with('@')) name[0].erase(0, 1);
    if (name[0].empty() || name[0].find('@') != std::string::npos) {
      fail("'" + written + "' is no class name");
    }
    if (symbols.empty()) fail("the class '@" + name[0] + "' has no symbols");
    // As many symbols as a survey takes; more would only cost time and memory.
    if (symbols.size() > kMaxClassSymbols) {
      fail("the class '@" + name[0] + "' has " + std::to_string(symbols.size()) +
           " symbols; a class may have at most " + std::to_string(kMaxClassSymbols));
    }
    for (const std::string& symbol : symbols) {
      if (symbol.find('=') != std::string::npos) fail("a second '='");
    }
    if (Find(name[0]) != nullptr) fail("the class '@" + name[0] + "' is defined twice");
    classes_.push_back({std::move(name[0]), std::move(symbols)});
  }
}

ClassTable ReadClassFile(const std::string& path) {
  errno = 0;
  const std::unique_ptr<std::FILE, FileCloser> file(os::OpenFile(path, "rb"));
  const auto fail = [&] {
    throw texts::SearchError("cannot read '" + path + "': " + texts::SystemReason(errno));
  };
  if (!file) fail();
  std::string text;
  char chunk[4096];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) != 0) text.append(chunk, got);
  if (std::ferror(file.get())) fail();
  ClassTable table(path);
  table.AddText(text);
  return table;
}

}  // namespace search::contexts
