#include "search/os/mapped_file.h"

namespace search::os {

// Not mapped on Windows: the word list is read there, as it always was.
std::optional<MappedFile> MappedFile::Map(const std::string& /*path*/) { return std::nullopt; }

MappedFile::MappedFile(MappedFile&& other) noexcept : bytes_(other.bytes_), size_(other.size_) {}
MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
  bytes_ = other.bytes_;
  size_ = other.size_;
  return *this;
}
MappedFile::~MappedFile() = default;

}  // namespace search::os
