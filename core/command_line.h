#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velamo {

// A key chord as RegisterHotKey takes it; no key means no chord at all ("none").
struct Chord {
  std::uint32_t modifiers = 0;  // MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4, MOD_WIN 8
  std::uint32_t key = 0;        // a virtual-key code
  bool operator==(const Chord&) const = default;
};
inline constexpr Chord kDefaultHideKey{7, 0x28};     // Ctrl+Alt+Shift+Down
inline constexpr Chord kDefaultRestoreKey{7, 0x26};  // Ctrl+Alt+Shift+Up

// "Ctrl+Alt+F12", "Win+Shift+Z" or "none", in any case. Nothing for a text that is no chord, or
// without Ctrl, Alt or Win.
std::optional<Chord> ParseChord(std::u16string_view text);

// Whether `text` names a program: an executable's file name (that name in any folder) or a full
// path ("C:\Tools\app.exe", "\\server\share\app.exe").
bool IsProgramName(std::u16string_view text);

// A key option as given: the chord, and the text the user wrote for it.
struct KeyOption {
  Chord chord;
  std::u16string text;
};

// What a command line asks for. Options are "/name" or "-name", in any case, a value after ":".
struct Options {
  std::vector<std::u16string> minimized;  // /minimized:PROGRAM
  std::vector<std::u16string> open;       // /open:PROGRAM
  std::vector<std::u16string> close;      // /close:PROGRAM
  // /run PROGRAM [ARGUMENTS...]: the program, and its arguments as typed.
  std::optional<std::u16string> run;
  std::u16string run_arguments;
  std::optional<KeyOption> hide_key;     // /hidekey:CHORD
  std::optional<KeyOption> restore_key;  // /restorekey:CHORD
  std::optional<KeyOption> menu_key;     // /menukey:CHORD
  bool no_button = false;                // /nobutton
  bool usage = false;                    // /?

  bool empty() const {
    return minimized.empty() && open.empty() && close.empty() && !run && !hide_key &&
           !restore_key && !menu_key && !no_button && !usage;
  }
};

// The arguments after the program's own name, split as Windows programs split them: blanks
// between arguments, quotes around blanks, backslashes before a quote escaping it.
struct Argument {
  std::u16string text;
  std::size_t begin = 0;  // where it stands in the line, as typed
  std::size_t end = 0;
};
std::vector<Argument> SplitArguments(std::u16string_view line);

// What was wrong with a command line, and the argument that was.
struct CommandLineError {
  enum class Kind {
    kUnknown,
    kEmpty,  // quotes with nothing in them: `argument` is as typed
    kNoValue,
    kValueNotTaken,
    kNotAChord,
    kNotAProgram,
    kSameKeys
  };
  Kind kind;
  std::u16string argument;
};

struct ParsedCommandLine {
  Options options;
  std::optional<CommandLineError> error;
};
ParsedCommandLine ParseCommandLine(std::u16string_view line);

// The usage, and a message that names a bad argument and shows the usage, in Japanese.
std::u16string UsageText();
std::u16string ErrorText(const CommandLineError& error);

}  // namespace velamo
