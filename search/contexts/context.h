// Environments in the notation phonologists write them in, `LEFT _ RIGHT`: the
// `_` is the place of the symbol, and each side says what may stand next to it.
// Tokens are separated by spaces; a side is one of
//   (nothing)    anything, the word's edge included
//   #            the edge of the word
//   SYMBOL       that symbol
//   { a e # }    any of a set (braces are tokens of their own; `#` in a set is the edge)
//   @NAME        any symbol of a class, where the class table defines NAME
// `\X` is always the literal symbol X, so `\_`, `\#`, `\{`, `\@V` match those
// symbols. As `@`, `{` and `}` are symbols in SAMPA lists, `@NAME` that the
// table does not define is the literal symbol `@NAME`, and `t_h` is a symbol:
// only a lone `_` token is the place.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "search/contexts/class_table.h"
#include "search/contexts/context_error.h"

namespace search::contexts {

// What may stand on one side of the place: its neighbour symbol, or the word's
// edge (`#`) where the place has no neighbour on that side.
struct Side {
  bool edge = true;                  // the edge fits
  bool any_symbol = true;            // every symbol fits
  std::vector<std::string> symbols;  // else these fit, UTF-8 as written, unpadded

  friend bool operator==(const Side&, const Side&) = default;
};

struct Context {
  std::string text;  // as written, for names and messages ("# _", "medial")
  Side left;
  Side right;
};

// Parses `LEFT _ RIGHT`; `classes` may be null (no classes). Raises
// ContextError for a context without `_` or with two, an unclosed or stray
// brace, an empty set, a set inside a set, a lone `\`, or more than one token
// on a side other than a set; the message quotes the context and the token.
Context ParseContext(std::string_view text, const ClassTable* classes);

// "initial" is `# _`, "final" is `_ #`, and "medial" has a symbol on both
// sides (neither neighbour is `#`). Raises ContextError for another word.
Context PositionContext(std::string_view position);

}  // namespace search::contexts
