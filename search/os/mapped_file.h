#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace search::os {

// A file's bytes mapped into memory read-only, so that reading a large word
// list costs neither a copy nor fresh memory; unmapped when it goes.
class MappedFile final {
 public:
  // Maps the regular file at `path` with all its pages at hand; nullopt where
  // it cannot be opened, is not a regular file, is empty or cannot be mapped,
  // and the caller then reads it.
  static std::optional<MappedFile> Map(const std::string& path);

  MappedFile(MappedFile&& other) noexcept;
  MappedFile& operator=(MappedFile&& other) noexcept;
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  ~MappedFile();

  [[nodiscard]] std::string_view view() const { return {bytes_, size_}; }

 private:
  MappedFile(const char* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

  const char* bytes_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace search::os
