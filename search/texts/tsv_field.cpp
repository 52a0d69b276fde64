#include "search/texts/tsv_field.h"

namespace search::texts {

std::string TsvField(std::string_view text) {
  std::string field;
  field.reserve(text.size());
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
  return field;
}

}  // namespace search::texts
