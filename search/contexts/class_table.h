// Named classes of symbols, read from a classes file of lines
//   NAME = SYMBOL SYMBOL ...
// in UTF-8, where `#` starts a comment that runs to the line's end and blank
// lines are allowed. NAME may be written with or without its `@` (as it is
// written on the command line and in contexts, `@voiceless = P T K`, or bare);
// it is kept without. Symbols are separated by spaces or tabs and taken as
// written, in their order.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace search::contexts {

// The most symbols a class may have, as many as a survey takes.
inline constexpr std::size_t kMaxClassSymbols = 1000;

class ClassTable final {
 public:
  // A table with no classes that names `path` in its messages.
  explicit ClassTable(std::string path = {}) : path_(std::move(path)) {}

  // The symbols of class `name` (without `@`), or nullptr when there is none.
  [[nodiscard]] const std::vector<std::string>* Find(std::string_view name) const;
  // The symbols of class `name` (without `@`); raises texts::SearchError
  // "'classes.txt': no class '@NAME'" when there is none.
  [[nodiscard]] const std::vector<std::string>& Get(std::string_view name) const;

  // The file the classes came from, as given.
  [[nodiscard]] const std::string& path() const { return path_; }
  [[nodiscard]] std::size_t size() const { return classes_.size(); }

  // Adds the classes of one file's text; raises texts::SearchError
  // "'PATH' line N: ..." for a malformed line or a class defined twice.
  void AddText(std::string_view text);

 private:
  struct Class {
    std::string name;
    std::vector<std::string> symbols;
  };
  std::string path_;
  std::vector<Class> classes_;  // in the file's order; files hold few classes
};

// Reads the classes file at `path` (UTF-8, a byte order mark skipped); raises
// texts::SearchError naming the file, and the line for a line's fault.
ClassTable ReadClassFile(const std::string& path);

}  // namespace search::contexts
