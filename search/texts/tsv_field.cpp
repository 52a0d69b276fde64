#include "search/texts/tsv_field.h"

namespace search::texts {

std::string TsvField(std::string_view text) {
  std::string field;
  AppendTsvField(field, text);
  return field;
}

void AppendTsvField(std::string& field, std::string_view text) {
  // Fields rarely hold any of the four: one quick look, then one append.
  bool plain = true;
  for (const char character : text) {
    plain &= character != '\t' && character != '\r' && character != '\n' && character != '\\';
  }
  if (plain) {
    field += text;
    return;
  }
  for (const char character : text) {
    switch (character) {
      case '\t':
        field += "\\t";
        break;
      case '\r':
        field += "\\r";
        break;
      case '\n':
        field += "\\n";
        break;
      case '\\':
        field += "\\\\";
        break;
      default:
        field += character;
    }
  }
}

}  // namespace search::texts
