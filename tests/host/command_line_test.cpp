#include "core/command_line.h"

#include <gtest/gtest.h>

#include "core/hand_over.h"

namespace velamo {
namespace {

using Kind = CommandLineError::Kind;
using Texts = std::vector<std::u16string>;

Texts Split(std::u16string_view line) {
  Texts texts;
  for (const Argument& argument : SplitArguments(line)) texts.push_back(argument.text);
  return texts;
}

std::optional<CommandLineError> ErrorOf(std::u16string_view line) {
  return ParseCommandLine(line).error;
}

TEST(CommandLineTest, ArgumentsSplitAsWindowsProgramsSplitThem) {
  EXPECT_EQ(Split(u"  a\tb   \"c d\"e \"\" "), (Texts{u"a", u"b", u"c de", u""}));
  // Backslashes are literal but before a quote: pairs halve, an odd one escapes it.
  EXPECT_EQ(Split(uR"(C:\x\ a\\\"b "c\\" d\\\\"e f")"),
            (Texts{uR"(C:\x\)", uR"(a\"b)", uR"(c\)", uR"(d\\e f)"}));
  EXPECT_EQ(Split(uR"("a ""quoted"" word" "unpaired rest)"),
            (Texts{uR"(a "quoted" word)", u"unpaired rest"}));
  // Every character of a longest command line is read once, whatever it is.
  for (const std::u16string_view unit : {u"\"", u"\\", u"\\\"", u" \"", u"漢"}) {
    std::u16string line;
    while (line.size() < 32767) line += unit;
    EXPECT_LE(ParseCommandLine(line).error->argument.size(), 32767u);
  }
}

TEST(CommandLineTest, OptionsAreSlashOrDashInAnyCaseWithTheirValueAfterAColon) {
  const ParsedCommandLine parsed = ParseCommandLine(
      uR"(/Minimized:thunderbird.exe -MINIMIZED:"C:\Program Files\メール\mail.exe" )"
      uR"(/open:\\server\tools\x.exe -hidekey:win+shift+z /RestoreKey:none /nobutton )"
      uR"(/run  "C:\My Apps\app.exe"  -minimized:"a b"  /x)");
  ASSERT_FALSE(parsed.error);
  const Options& options = parsed.options;
  EXPECT_EQ(options.minimized, (Texts{u"thunderbird.exe", uR"(C:\Program Files\メール\mail.exe)"}));
  EXPECT_EQ(options.open, Texts{uR"(\\server\tools\x.exe)"});
  EXPECT_EQ(options.hide_key->chord, (Chord{4 | 8, 'Z'}));
  EXPECT_EQ(options.hide_key->text, u"win+shift+z");
  EXPECT_EQ(options.restore_key->chord, Chord{});
  EXPECT_TRUE(options.no_button && !options.usage);
  // The rest of the line is the program's, as typed.
  EXPECT_EQ(options.run, uR"(C:\My Apps\app.exe)");
  EXPECT_EQ(options.run_arguments, uR"(-minimized:"a b"  /x)");
  EXPECT_TRUE(ParseCommandLine(u"").options.empty());
  EXPECT_TRUE(ParseCommandLine(u"-?").options.usage);
}

TEST(CommandLineTest, ChordsAreModifiersAndOneKeyThatDoesNotOnlyTypeACharacter) {
  const std::vector<std::pair<std::u16string_view, Chord>> chords = {
      {u"Ctrl+Alt+Shift+Down", kDefaultHideKey},
      {u"ctrl + alt + F12", {3, 0x7B}},
      {u"Alt+F1", {1, 0x70}},
      {u"Win+F24", {8, 0x87}},
      {u"Shift+PageUp", {4, 0x21}},
      {u"Ctrl+Shift+9", {6, '9'}},
      {u"Alt+Space", {1, 0x20}},
      {u"Ctrl+delete", {2, 0x2E}},
  };
  for (const auto& [text, chord] : chords) EXPECT_EQ(ParseChord(text), chord) << text.size();
  for (const std::u16string_view text :
       {u"Down", u"Ctrl+Alt", u"Ctrl+Ctrl+A", u"Shift+A", u"Shift+Space", u"Ctrl+F25", u"Ctrl+F0",
        u"Ctrl+F01", u"Ctrl+AB", u"Ctrl++A", u"A+Ctrl", u"Ctrl+Tab", u"", u"+"}) {
    EXPECT_FALSE(ParseChord(text)) << text.size();
  }
}

TEST(CommandLineTest, ABadArgumentIsNamedWithTheUsage) {
  const std::vector<std::pair<std::u16string_view, CommandLineError>> bad = {
      {u"/minimize:a.exe", {Kind::kUnknown, u"/minimize:a.exe"}},
      {u"notepad.exe", {Kind::kUnknown, u"notepad.exe"}},
      {u"/ /open:a.exe", {Kind::kUnknown, u"/"}},
      {u"/open:", {Kind::kNoValue, u"/open:"}},
      {u"/open", {Kind::kNoValue, u"/open"}},
      {u"/run", {Kind::kNoValue, u"/run"}},
      {u"/nobutton:yes", {Kind::kValueNotTaken, u"/nobutton:yes"}},
      {u"/run:a.exe", {Kind::kValueNotTaken, u"/run:a.exe"}},
      {u"/hidekey:Ctrl+Q+W", {Kind::kNotAChord, u"/hidekey:Ctrl+Q+W"}},
      {uR"(/open:tools\a.exe)", {Kind::kNotAProgram, uR"(/open:tools\a.exe)"}},
      {u"/open:C:a.exe", {Kind::kNotAProgram, u"/open:C:a.exe"}},
      {u"/open:a?.exe", {Kind::kNotAProgram, u"/open:a?.exe"}},
      {uR"(/run C:\Tools\)", {Kind::kNotAProgram, uR"(C:\Tools\)"}},
      {u"/hidekey:Alt+F1 /restorekey:alt+f1", {Kind::kSameKeys, u"/restorekey:alt+f1"}},
  };
  for (const auto& [line, error] : bad) {
    const std::optional<CommandLineError> found = ErrorOf(line);
    ASSERT_TRUE(found) << line.size();
    EXPECT_EQ(found->kind, error.kind) << line.size();
    EXPECT_EQ(found->argument, error.argument);
  }
  EXPECT_FALSE(ErrorOf(u"/hidekey:none /restorekey:NONE"));
  const std::u16string message = ErrorText(*ErrorOf(u"/frob"));
  EXPECT_TRUE(message.starts_with(u"「/frob」というオプションはありません。\n\n使い方:"));
  EXPECT_TRUE(message.ends_with(UsageText()));
  // A very long argument is shown by its start.
  EXPECT_LT(ErrorText(*ErrorOf(u"/" + std::u16string(30000, u'x'))).size(), 2000u);
}

TEST(HandOverTest, OnlyWhatASecondStartSendsIsTaken) {
  const auto bytes = [](std::u16string_view text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
  };
  const HandOver sent{uR"(C:\Users\利用者)", uR"(/minimized:mail.exe /run "a b.exe" x)"};
  const std::optional<HandOver> taken = DecodeHandOver(bytes(EncodeHandOver(sent)));
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->directory, sent.directory);
  EXPECT_EQ(taken->arguments, sent.arguments);
  EXPECT_TRUE(
      DecodeHandOver(bytes(uR"(\\server\share)" + std::u16string(1, u'\0') + u"/nobutton")));

  const std::u16string nul(1, u'\0');
  for (const std::u16string& payload :
       {uR"(C:\)" + nul + u"/frob", uR"(C:\)" + nul + u"/?", uR"(C:\)" + nul,
        u"relative" + nul + u"/nobutton", uR"(C:\)" + nul + u"/nobutton" + nul,
        std::u16string(uR"(C:\/nobutton)"), uR"(C:\)" + nul + u"/open:\xD800x.exe",
        uR"(C:\)" + nul + u"/minimized:" + std::u16string(32767, u'a')}) {
    EXPECT_FALSE(DecodeHandOver(bytes(payload))) << payload.size();
  }
  EXPECT_FALSE(DecodeHandOver(bytes(EncodeHandOver(sent)) + "x"));
}

}  // namespace
}  // namespace velamo
