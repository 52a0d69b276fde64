#include "cli/console_stream_win32.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

#include "search/os/platform_win32.h"

namespace cli {
namespace {

// Held bytes beyond this are written without waiting for a flush.
constexpr std::size_t kMostHeld = 16384;
// UTF-16 units per WriteConsoleW, well inside the limit of older consoles.
constexpr std::size_t kMostPerWrite = 8192;

// The length of `bytes` without an incomplete UTF-8 sequence at its end.
std::size_t CompleteLength(std::string_view bytes) {
  const std::size_t size = bytes.size();
  for (std::size_t back = 1; back <= std::min<std::size_t>(size, 4); ++back) {
    const auto byte = static_cast<unsigned char>(bytes[size - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte
    std::size_t length = 1;
    if (byte >= 0xC0 && byte < 0xF8) length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
    return length > back ? size - back : size;
  }
  return size;
}

}  // namespace

ConsoleStreamBuffer::~ConsoleStreamBuffer() { Write(true); }

ConsoleStreamBuffer::int_type ConsoleStreamBuffer::overflow(int_type character) {
  if (traits_type::eq_int_type(character, traits_type::eof())) {
    return traits_type::not_eof(character);
  }
  pending_ += traits_type::to_char_type(character);
  if (pending_.size() >= kMostHeld && !Write(false)) return traits_type::eof();
  return character;
}

std::streamsize ConsoleStreamBuffer::xsputn(const char* bytes, std::streamsize count) {
  pending_.append(bytes, static_cast<std::size_t>(count));
  if (pending_.size() >= kMostHeld && !Write(false)) return 0;
  return count;
}

int ConsoleStreamBuffer::sync() { return Write(false) ? 0 : -1; }

bool ConsoleStreamBuffer::Write(bool all) {
  const std::size_t length = all ? pending_.size() : CompleteLength(pending_);
  const std::wstring wide = search::os::WideFromUtf8(std::string_view(pending_).substr(0, length));
  pending_.erase(0, length);
  for (std::size_t done = 0; done < wide.size();) {
    std::size_t count = std::min(wide.size() - done, kMostPerWrite);
    if (count < wide.size() - done && IS_HIGH_SURROGATE(wide[done + count - 1])) --count;
    DWORD written = 0;
    if (!WriteConsoleW(console_, wide.data() + done, static_cast<DWORD>(count), &written,
                       nullptr) ||
        written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

ConsoleStream::ConsoleStream(std::ostream& stream, unsigned long standard_handle)
    : stream_(stream) {
  const HANDLE handle = GetStdHandle(standard_handle);
  DWORD mode = 0;
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) {
    return;  // a file, a pipe or nothing: the bytes go there as they are
  }
  stream_.flush();
  buffer_.emplace(handle);
  previous_ = stream_.rdbuf(&*buffer_);
}

ConsoleStream::~ConsoleStream() {
  if (!buffer_) return;
  stream_.flush();
  stream_.rdbuf(previous_);
}

}  // namespace cli
