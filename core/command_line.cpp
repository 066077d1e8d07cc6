#include "core/command_line.h"

#include <algorithm>
#include <array>

#include "core/utf16.h"

namespace velamo {
namespace {

constexpr std::uint32_t kModAlt = 1, kModControl = 2, kModShift = 4, kModWin = 8;

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c; }

bool SameIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char16_t x, char16_t y) { return Lower(x) == Lower(y); });
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

struct Named {
  std::u16string_view name;
  std::uint32_t value;
};

constexpr std::array<Named, 4> kModifiers = {{
    {u"Ctrl", kModControl},
    {u"Alt", kModAlt},
    {u"Shift", kModShift},
    {u"Win", kModWin},
}};

constexpr std::array<Named, 11> kNamedKeys = {{
    {u"Space", 0x20},
    {u"PageUp", 0x21},
    {u"PageDown", 0x22},
    {u"End", 0x23},
    {u"Home", 0x24},
    {u"Left", 0x25},
    {u"Up", 0x26},
    {u"Right", 0x27},
    {u"Down", 0x28},
    {u"Insert", 0x2D},
    {u"Delete", 0x2E},
}};

template <std::size_t N>
std::optional<std::uint32_t> Find(const std::array<Named, N>& table, std::u16string_view name) {
  for (const Named& entry : table) {
    if (SameIgnoringCase(entry.name, name)) return entry.value;
  }
  return std::nullopt;
}

// The virtual-key code of a key's name: a letter, a digit, F1 to F24 or a named key.
std::optional<std::uint32_t> KeyCode(std::u16string_view name) {
  if (name.size() == 1) {
    const char16_t c = Lower(name[0]);
    if (c >= u'a' && c <= u'z') return c - u'a' + u'A';
    if (c >= u'0' && c <= u'9') return c;
  }
  if (name.size() >= 2 && name.size() <= 3 && Lower(name[0]) == u'f' &&
      std::all_of(name.begin() + 1, name.end(),
                  [](char16_t c) { return c >= u'0' && c <= u'9'; })) {
    const int number = name.size() == 2 ? name[1] - u'0' : (name[1] - u'0') * 10 + name[2] - u'0';
    if (name[1] != u'0' && number >= 1 && number <= 24) return 0x70 + number - 1;  // VK_F1...
    return std::nullopt;
  }
  return Find(kNamedKeys, name);
}

constexpr std::u16string_view kNotInNames = u"<>\"|?*/";

// What a command line error's message shows of the argument: enough to recognise it.
std::u16string Shown(std::u16string_view argument) {
  constexpr std::size_t kLongest = 80;
  if (argument.size() <= kLongest) return std::u16string(argument);
  // Never half a character: a high surrogate is not left without its pair.
  const bool split = IsHighSurrogate(argument[kLongest - 1]);
  return std::u16string(argument.substr(0, kLongest - split)) + u"…";
}

}  // namespace

std::optional<Chord> ParseChord(std::u16string_view text) {
  if (SameIgnoringCase(Trimmed(text), u"none")) return Chord{};
  Chord chord;
  for (std::size_t start = 0;;) {
    const std::size_t plus = text.find(u'+', start);
    const std::u16string_view part = Trimmed(text.substr(start, plus - start));
    if (plus == std::u16string_view::npos) {
      const std::optional<std::uint32_t> key = KeyCode(part);
      // Shift alone would take a key from typing or editing (Shift+Left selects) in every program.
      if (!key || !(chord.modifiers & (kModControl | kModAlt | kModWin))) return std::nullopt;
      chord.key = *key;
      return chord;
    }
    const std::optional<std::uint32_t> modifier = Find(kModifiers, part);
    if (!modifier || (chord.modifiers & *modifier)) return std::nullopt;
    chord.modifiers |= *modifier;
    start = plus + 1;
  }
}

bool IsProgramName(std::u16string_view text) {
  if (text.empty() || text.back() == u'\\' || text == u"." || text == u"..") return false;
  if (std::any_of(text.begin(), text.end(), [](char16_t c) {
        return c < 0x20 || kNotInNames.find(c) != std::u16string_view::npos;
      })) {
    return false;
  }
  const std::size_t colon = text.find(u':');
  if (colon == std::u16string_view::npos && text.find(u'\\') == std::u16string_view::npos) {
    return true;  // a file name
  }
  const bool drive = text.size() > 3 && colon == 1 && Lower(text[0]) >= u'a' &&
                     Lower(text[0]) <= u'z' && text[2] == u'\\';
  const bool share = colon == std::u16string_view::npos && text.starts_with(u"\\\\") &&
                     text.find(u'\\', 2) != std::u16string_view::npos;
  return (drive && text.find(u':', 2) == std::u16string_view::npos) || share;
}

std::vector<Argument> SplitArguments(std::u16string_view line) {
  std::vector<Argument> arguments;
  std::size_t i = 0;
  for (;;) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) return arguments;
    Argument argument{.begin = i};
    bool quoted = false;
    while (i < line.size() && (quoted || !IsBlank(line[i]))) {
      if (line[i] == u'\\') {
        const std::size_t run = line.find_first_not_of(u'\\', i);
        const std::size_t count = (run == std::u16string_view::npos ? line.size() : run) - i;
        const bool before_quote = i + count < line.size() && line[i + count] == u'"';
        // Before a quote, each pair is one backslash and an odd one escapes the quote.
        argument.text.append(before_quote ? count / 2 : count, u'\\');
        i += count;
        if (before_quote && count % 2 == 1) {
          argument.text += u'"';
          ++i;
        }
      } else if (line[i] == u'"') {
        // Two quotes within quotes stand for one.
        if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
          argument.text += u'"';
          ++i;
        } else {
          quoted = !quoted;
        }
        ++i;
      } else {
        argument.text += line[i++];
      }
    }
    argument.end = i;
    arguments.push_back(std::move(argument));
  }
}

ParsedCommandLine ParseCommandLine(std::u16string_view line) {
  using Kind = CommandLineError::Kind;
  ParsedCommandLine parsed;
  Options& options = parsed.options;
  const std::vector<Argument> arguments = SplitArguments(line);
  const auto fail = [&parsed](Kind kind, std::u16string_view argument) {
    parsed.error = CommandLineError{kind, std::u16string(argument)};
    return parsed;
  };
  // The keys given, in the order given, for the check that no two are the same.
  std::vector<std::pair<Chord, std::u16string_view>> keys;
  for (std::size_t k = 0; k < arguments.size(); ++k) {
    const std::u16string_view argument = arguments[k].text;
    if (argument.empty()) {
      return fail(Kind::kEmpty,
                  line.substr(arguments[k].begin, arguments[k].end - arguments[k].begin));
    }
    if (argument.size() < 2 || (argument[0] != u'/' && argument[0] != u'-')) {
      return fail(Kind::kUnknown, argument);
    }
    const std::size_t colon = argument.find(u':');
    const std::u16string_view name = argument.substr(1, colon - 1);
    const bool has_value = colon != std::u16string_view::npos;
    const std::u16string_view value = has_value ? argument.substr(colon + 1) : u"";
    if (SameIgnoringCase(name, u"minimized") || SameIgnoringCase(name, u"open") ||
        SameIgnoringCase(name, u"close")) {
      if (value.empty()) return fail(Kind::kNoValue, argument);
      if (!IsProgramName(value)) return fail(Kind::kNotAProgram, argument);
      (Lower(name[0]) == u'm'   ? options.minimized
       : Lower(name[0]) == u'o' ? options.open
                                : options.close)
          .emplace_back(value);
    } else if (SameIgnoringCase(name, u"hidekey") || SameIgnoringCase(name, u"restorekey") ||
               SameIgnoringCase(name, u"menukey")) {
      if (value.empty()) return fail(Kind::kNoValue, argument);
      const std::optional<Chord> chord = ParseChord(value);
      if (!chord) return fail(Kind::kNotAChord, argument);
      const char16_t which = Lower(name[0]);
      (which == u'h'   ? options.hide_key
       : which == u'r' ? options.restore_key
                       : options.menu_key) = KeyOption{*chord, std::u16string(value)};
      keys.emplace_back(*chord, argument);
    } else if (SameIgnoringCase(name, u"nobutton") || name == u"?" ||
               SameIgnoringCase(name, u"run")) {
      if (has_value) return fail(Kind::kValueNotTaken, argument);
      if (name == u"?") {
        options.usage = true;
      } else if (Lower(name[0]) == u'n') {
        options.no_button = true;
      } else {
        // The rest of the line is the command, its arguments as typed.
        if (k + 1 == arguments.size()) return fail(Kind::kNoValue, argument);
        if (!IsProgramName(arguments[k + 1].text)) {
          return fail(Kind::kNotAProgram, arguments[k + 1].text);
        }
        options.run = arguments[k + 1].text;
        if (k + 2 < arguments.size()) options.run_arguments = line.substr(arguments[k + 2].begin);
        break;
      }
    } else {
      return fail(Kind::kUnknown, argument);
    }
  }
  // A key given twice counts as given last; two keys on one chord are refused.
  const std::optional<KeyOption>* const given[] = {&options.hide_key, &options.restore_key,
                                                   &options.menu_key};
  for (std::size_t k = 1; k < keys.size(); ++k) {
    const Chord chord = keys[k].first;
    const int holders = std::ranges::count_if(
        given, [chord](const auto* key) { return *key && (*key)->chord == chord; });
    if (chord.key != 0 && holders > 1) return fail(Kind::kSameKeys, keys[k].second);
  }
  return parsed;
}

std::u16string UsageText() {
  return u"使い方: Velamo.exe [オプション...]\n"
         u"\n"
         u"/minimized:プログラム\n"
         u"　最小化したウインドウをトレイに入れます。\n"
         u"/open:プログラム\n"
         u"　開いたウインドウをトレイに入れます。\n"
         u"/close:プログラム\n"
         u"　閉じるボタンと Alt+F4 では閉じずにトレイに入れます。\n"
         u"　メニューやタスクバーからは閉じます。\n"
         u"/run プログラム [引数...]\n"
         u"　起動してメインウインドウをトレイに入れます（最後に指定）。\n"
         u"/hidekey:キー\n"
         u"　前面のウインドウを隠すキー（既定 Ctrl+Alt+Shift+Down）\n"
         u"/restorekey:キー\n"
         u"　最後に隠したものを戻すキー（既定 Ctrl+Alt+Shift+Up）\n"
         u"/menukey:キー\n"
         u"　Velamo のアイコンのメニューを開くキー（既定なし）\n"
         u"/nobutton\n"
         u"　最小化ボタンの右クリックで隠しません。\n"
         u"/?\n"
         u"　この説明を表示します。\n"
         u"\n"
         u"プログラムは実行ファイルの名前（notepad.exe）か完全なパスです。/minimized、/open、"
         u"/close は何度でも指定できます。\n"
         u"キーは Ctrl、Alt、Shift、Win と、A～Z、0～9、F1～F24、Up、Down、Left、Right、Home、End、"
         u"PageUp、PageDown、Insert、Delete、Space のどれかを + でつなぎます（例: Win+Shift+Z）。"
         u"none でキーを使いません。\n"
         u"実行中の Velamo があれば、オプションはその Velamo に渡されます。";
}

std::u16string ErrorText(const CommandLineError& error) {
  using Kind = CommandLineError::Kind;
  std::u16string text = u"「" + Shown(error.argument) + u"」";
  switch (error.kind) {
    case Kind::kUnknown:
      text += u"というオプションはありません。";
      break;
    case Kind::kEmpty:
      text += u"は、引用符だけの空の引数です。";
      break;
    case Kind::kNoValue:
      text += u"には値を指定してください。";
      break;
    case Kind::kValueNotTaken:
      text += u"には値を指定できません。";
      break;
    case Kind::kNotAChord:
      text += u"のキーの組み合わせは使えません。";
      break;
    case Kind::kNotAProgram:
      text += u"は、実行ファイルの名前でも完全なパスでもありません。";
      break;
    case Kind::kSameKeys:
      text += u": ほかのキーと同じキーです。";
      break;
  }
  return text + u"\n\n" + UsageText();
}

}  // namespace velamo
