// A Windows console shows text in its own code page, and UTF-8 bytes written
// to it come out as other characters. Text for a console therefore goes there
// as UTF-16, through WriteConsoleW; a file or pipe still gets the UTF-8 bytes.
#pragma once

#include <optional>
#include <ostream>
#include <streambuf>
#include <string>

namespace cli {

// Takes UTF-8 and writes it to the console `console` (a HANDLE) as UTF-16 on
// each flush. A character split between two writes waits for its last bytes.
class ConsoleStreamBuffer final : public std::streambuf {
 public:
  explicit ConsoleStreamBuffer(void* console) : console_(console) {}
  ~ConsoleStreamBuffer() override;
  ConsoleStreamBuffer(const ConsoleStreamBuffer&) = delete;
  ConsoleStreamBuffer& operator=(const ConsoleStreamBuffer&) = delete;

 protected:
  int_type overflow(int_type character) override;
  std::streamsize xsputn(const char* bytes, std::streamsize count) override;
  int sync() override;

 private:
  // Writes the complete characters held, or all bytes when `all`; false when
  // the console refuses them.
  bool Write(bool all);

  void* console_;
  std::string pending_;
};

// While it lives, `stream` writes through a ConsoleStreamBuffer when the
// standard handle `standard_handle` (STD_OUTPUT_HANDLE, STD_ERROR_HANDLE) is a
// console; otherwise `stream` is left as it is.
class ConsoleStream final {
 public:
  ConsoleStream(std::ostream& stream, unsigned long standard_handle);
  ~ConsoleStream();
  ConsoleStream(const ConsoleStream&) = delete;
  ConsoleStream& operator=(const ConsoleStream&) = delete;

 private:
  std::ostream& stream_;
  std::optional<ConsoleStreamBuffer> buffer_;
  std::streambuf* previous_ = nullptr;
};

}  // namespace cli
