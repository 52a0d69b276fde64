// Arguments quoted for the prompt at which a user types a command: a POSIX
// shell, or cmd.exe on Windows. Both quotings are built on every system.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace search::os {

enum class CommandPrompt { kPosixShell, kCmd };

// The prompt of the system this program runs on: cmd.exe on Windows, a POSIX
// shell elsewhere.
CommandPrompt SystemCommandPrompt();

// `text` as one argument at a POSIX shell (sh, bash, zsh): in single quotes,
// inside which every character is itself; a quote is written '\''.
std::string QuotedForPosixShell(std::string_view text);

// `text` as one argument at the cmd.exe prompt, as the program reads it back:
// as it is when it holds only letters, digits, characters beyond ASCII and
// # $ ' + - . / : @ [ \ ] _ { } ~; otherwise in double quotes, inside which
// & | < > ( ) ^ and spaces are plain characters, with the backslashes before the
// closing quote doubled. Nothing when the text cannot be typed there reliably:
// with % (a variable is expanded even inside quotes), ! (expanded where delayed
// expansion is on), " (no quoting holds it) or a control character.
std::optional<std::string> QuotedForCmd(std::string_view text);

// QuotedForPosixShell or QuotedForCmd.
std::optional<std::string> QuotedFor(CommandPrompt prompt, std::string_view text);

}  // namespace search::os
