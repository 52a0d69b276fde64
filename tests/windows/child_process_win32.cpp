#include <windows.h>

#include <stdexcept>

#include "child_process.h"
#include "search/os/platform_win32.h"
#include "temp_folder.h"

namespace testing_support {
namespace {

// Quotes one argument so that the C runtime's command-line splitting gives it
// back unchanged: backslashes are literal except before a quote.
std::wstring Quoted(const std::wstring& argument) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t character : argument) {
    if (character == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(character == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    quoted += character;
    backslashes = 0;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

// A file handle that the child process inherits as a standard stream.
class CaptureFile final {
 public:
  explicit CaptureFile(std::filesystem::path path) : path_(std::move(path)) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    handle_ = CreateFileW(path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create capture file");
  }
  ~CaptureFile() { Close(); }
  CaptureFile(const CaptureFile&) = delete;
  CaptureFile& operator=(const CaptureFile&) = delete;

  [[nodiscard]] HANDLE handle() const { return handle_; }
  std::string CloseAndRead() {
    Close();
    return testing_support::ReadFile(path_);
  }

 private:
  void Close() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

  std::filesystem::path path_;
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace

ProcessOutcome RunProcess(const std::filesystem::path& program,
                          const std::vector<std::wstring>& arguments,
                          const std::filesystem::path& working_folder,
                          const std::filesystem::path& capture_folder) {
  std::wstring command_line = Quoted(program.wstring());
  for (const std::wstring& argument : arguments) command_line += L" " + Quoted(argument);

  CaptureFile out(capture_folder / "stdout.txt");
  CaptureFile err(capture_folder / "stderr.txt");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nullptr;
  startup.hStdOutput = out.handle();
  startup.hStdError = err.handle();
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                      working_folder.c_str(), &startup, &process)) {
    throw std::runtime_error("cannot start " + program.string());
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return {status, out.CloseAndRead(), err.CloseAndRead()};
}

std::filesystem::path ProgramBesideThisOne(const std::wstring& file_name) {
  return std::filesystem::path(search::os::ProgramFilePath()).parent_path() / file_name;
}

}  // namespace testing_support
