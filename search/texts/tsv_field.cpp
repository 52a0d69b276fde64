#include "search/texts/tsv_field.h"

namespace search::texts {

std::string TsvField(std::string_view text) {
  std::string field;
  AppendTsvField(field, text);
  return field;
}

void detail::AppendEscapedTsvField(std::string& out, std::string_view text) {
  for (const char character : text) {
    switch (character) {
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += character;
    }
  }
}

}  // namespace search::texts
