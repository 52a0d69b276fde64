#include "search/contexts/context.h"

#include <algorithm>
#include <cstddef>
#include <span>

#include "search/texts/encoding.h"

namespace search::contexts {
namespace {

struct Token {
  std::string_view text;
  std::size_t number;  // counted from 1, as the message shows it
};

std::vector<Token> Tokenize(std::string_view text) {
  std::vector<Token> tokens;
  for (std::size_t start = text.find_first_not_of(' '); start != std::string_view::npos;) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    tokens.push_back({text.substr(start, end - start), tokens.size() + 1});
    start = text.find_first_not_of(' ', end);
  }
  return tokens;
}

class Parser {
 public:
  Parser(std::string_view text, const ClassTable* classes)
      : text_(text), tokens_(Tokenize(text)), classes_(classes) {}

  Context Parse() {
    CheckBraces();
    const Token* place = nullptr;
    for (const Token& token : tokens_) {
      if (token.text != "_") continue;
      if (place != nullptr) {
        Fail(token, "is a second place; a context has one '_' (write \\_ for the symbol)");
      }
      place = &token;
    }
    if (place == nullptr) {
      throw ContextError("context '" + std::string(text_) +
                         "': no '_' marks the place (write LEFT _ RIGHT, such as '# _')");
    }
    Context context;
    for (const Token& token : tokens_) {
      if (!context.text.empty()) context.text += ' ';
      context.text += token.text;
    }
    const std::size_t at = place->number - 1;
    context.left = ParseSide({tokens_.data(), at}, "left");
    context.right = ParseSide({tokens_.data() + at + 1, tokens_.size() - at - 1}, "right");
    return context;
  }

 private:
  [[noreturn]] void Fail(const Token& token, const std::string& reason) const {
    throw ContextError("context '" + std::string(text_) + "': token " +
                       std::to_string(token.number) + " '" + std::string(token.text) + "' " +
                       reason);
  }

  // Braces pair up before anything else, so that a place inside a set is
  // reported as that rather than as two broken sides.
  void CheckBraces() const {
    const Token* open = nullptr;
    for (const Token& token : tokens_) {
      if (token.text == "{") {
        if (open != nullptr) Fail(token, "opens a set inside a set (write \\{ for the symbol)");
        open = &token;
      } else if (token.text == "}") {
        if (open == nullptr) Fail(token, "closes no set (write \\} for the symbol)");
        if (open->number + 1 == token.number) Fail(*open, "opens an empty set");
        open = nullptr;
      } else if (token.text == "_" && open != nullptr) {
        Fail(token, "stands inside the set opened at token " + std::to_string(open->number));
      }
    }
    if (open != nullptr) Fail(*open, "opens a set that no '}' closes");
  }

  Side ParseSide(std::span<const Token> tokens, const char* name) const {
    if (tokens.empty()) return {};
    Side side{false, false, {}};
    if (tokens.front().text == "{") {
      tokens = tokens.subspan(1);  // CheckBraces found the closing brace
      std::size_t inside = 0;
      while (tokens[inside].text != "}") ++inside;
      if (inside + 1 < tokens.size()) Fail(tokens[inside + 1], SecondToken(name));
      for (const Token& token : tokens.first(inside)) AddElement(side, token);
    } else {
      if (tokens.size() > 1) Fail(tokens[1], SecondToken(name));
      AddElement(side, tokens.front());
    }
    return side;
  }

  static std::string SecondToken(const char* name) {
    return std::string("is a second token on the ") + name +
           "; a side is one symbol, '#', a class @NAME or a set { ... }";
  }

  void AddElement(Side& side, const Token& token) const {
    const std::string_view text = token.text;
    if (text == "#") {
      side.edge = true;
    } else if (text.starts_with('\\')) {
      if (text.size() == 1) Fail(token, R"(escapes nothing (write \\ for the symbol '\'))");
      side.symbols.emplace_back(text.substr(1));
    } else if (const auto* members = text.starts_with('@') && classes_ != nullptr
                                         ? classes_->Find(text.substr(1))
                                         : nullptr) {
      side.symbols.insert(side.symbols.end(), members->begin(), members->end());
    } else {
      side.symbols.emplace_back(text);
    }
  }

  std::string_view text_;
  std::vector<Token> tokens_;
  const ClassTable* classes_;
};

}  // namespace

Context ParseContext(std::string_view text, const ClassTable* classes) {
  // Its text becomes part of file names, which hold UTF-8.
  if (!texts::IsValidUtf8(text)) {
    throw ContextError("context '" + std::string(text) + "': the characters are not UTF-8");
  }
  return Parser(text, classes).Parse();
}

Context PositionContext(std::string_view position) {
  const Side edge{true, false, {}};
  const Side symbol{false, true, {}};
  Context context{std::string(position), {}, {}};
  if (position == "initial") {
    context.left = edge;
  } else if (position == "final") {
    context.right = edge;
  } else if (position == "medial") {
    context.left = context.right = symbol;
  } else {
    throw ContextError("position '" + std::string(position) + "': write initial, medial or final");
  }
  return context;
}

}  // namespace search::contexts
