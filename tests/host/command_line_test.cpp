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
      uR"(/open:\\server\tools\x.exe -CLOSE:notepad.exe -hidekey:win+shift+z /RestoreKey:none )"
      uR"(/nobutton /run  "C:\My Apps\app.exe"  -minimized:"a b"  /x)");
  ASSERT_FALSE(parsed.error);
  const Options& options = parsed.options;
  EXPECT_EQ(options.minimized, (Texts{u"thunderbird.exe", uR"(C:\Program Files\メール\mail.exe)"}));
  EXPECT_EQ(options.open, Texts{uR"(\\server\tools\x.exe)"});
  EXPECT_EQ(options.close, Texts{u"notepad.exe"});
  EXPECT_EQ(std::pair(options.hide_key->chord, options.hide_key->text),
            std::pair(Chord{4 | 8, 'Z'}, std::u16string(u"win+shift+z")));
  EXPECT_EQ(options.restore_key->chord, Chord{});
  EXPECT_TRUE(options.no_button && !options.usage);
  // The rest of the line is the program's, as typed.
  EXPECT_EQ(options.run, uR"(C:\My Apps\app.exe)");
  EXPECT_EQ(options.run_arguments, uR"(-minimized:"a b"  /x)");
  EXPECT_TRUE(ParseCommandLine(u"").options.empty());
  EXPECT_TRUE(ParseCommandLine(u"-?").options.usage);
}

TEST(CommandLineTest, ChordsAreCtrlAltOrWinWithAnyShiftAndOneKey) {
  EXPECT_EQ(ParseChord(u"Ctrl+Alt+Shift+Down"), kDefaultHideKey);
  EXPECT_EQ(ParseChord(u"ctrl + alt + F12"), (Chord{3, 0x7B}));
  EXPECT_EQ(ParseChord(u"Win+F24"), (Chord{8, 0x87}));
  EXPECT_EQ(ParseChord(u"Win+Shift+PageUp"), (Chord{12, 0x21}));
  EXPECT_EQ(ParseChord(u"Ctrl+Shift+9"), (Chord{6, '9'}));
  EXPECT_EQ(ParseChord(u"Alt+Space"), (Chord{1, 0x20}));
  for (const std::u16string_view text :
       {u"Down", u"Ctrl+Alt", u"Ctrl+Ctrl+A", u"Shift+A", u"Shift+Left", u"Shift+F5", u"Ctrl+F25",
        u"Ctrl+F0", u"Ctrl+F01", u"Ctrl+AB", u"Ctrl++A", u"A+Ctrl", u"Ctrl+Tab", u""}) {
    EXPECT_FALSE(ParseChord(text)) << text.size();
  }
}

TEST(CommandLineTest, ABadArgumentIsNamedWithTheUsage) {
  const std::vector<std::pair<std::u16string_view, CommandLineError>> bad = {
      {u"/minimize:a.exe", {Kind::kUnknown, u"/minimize:a.exe"}},
      {u"a.exe /open:b.exe", {Kind::kUnknown, u"a.exe"}},
      {u"/nobutton \"", {Kind::kEmpty, u"\""}},
      {u"\"\" /nobutton", {Kind::kEmpty, u"\"\""}},
      {u"/open:", {Kind::kNoValue, u"/open:"}},
      {u"/run", {Kind::kNoValue, u"/run"}},
      {u"/nobutton:yes", {Kind::kValueNotTaken, u"/nobutton:yes"}},
      {u"/hidekey:Ctrl+Q+W", {Kind::kNotAChord, u"/hidekey:Ctrl+Q+W"}},
      {uR"(/open:tools\a.exe)", {Kind::kNotAProgram, uR"(/open:tools\a.exe)"}},
      {uR"(/run C:\Tools\)", {Kind::kNotAProgram, uR"(C:\Tools\)"}},
      {u"/hidekey:Alt+F1 /restorekey:alt+f1", {Kind::kSameKeys, u"/restorekey:alt+f1"}},
      {u"/menukey:Win+M /hidekey:Win+N /restorekey:win+m", {Kind::kSameKeys, u"/restorekey:win+m"}},
  };
  for (const auto& [line, error] : bad) {
    const std::optional<CommandLineError> found = ParseCommandLine(line).error;
    ASSERT_TRUE(found) << line.size();
    EXPECT_EQ(std::pair(found->kind, found->argument), std::pair(error.kind, error.argument));
  }
  EXPECT_FALSE(ParseCommandLine(u"/hidekey:none /restorekey:NONE").error);
  EXPECT_EQ(
      ParseCommandLine(u"/menukey:Win+M /hidekey:win+m /menukey:Win+J").options.menu_key->text,
      u"Win+J");  // given again, a key counts as given last
  const std::u16string message = ErrorText(*ParseCommandLine(u"/frob").error);
  EXPECT_EQ(message, u"「/frob」というオプションはありません。\n\n" + UsageText());
  // A very long argument is shown by its start, never by half a character.
  const std::u16string long_one =
      u"/" + std::u16string(78, u'x') + u"😀" + std::u16string(30000, u'x');
  EXPECT_TRUE(ErrorText(*ParseCommandLine(long_one).error)
                  .starts_with(u"「" + long_one.substr(0, 79) + u"…」"));
}

TEST(HandOverTest, OnlyWhatASecondStartSendsIsTaken) {
  const auto bytes = [](std::u16string_view text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
  };
  const std::u16string nul(1, u'\0');
  const HandOver sent{uR"(C:\Users\利用者)", uR"(/minimized:mail.exe /run "a b.exe" x)"};
  const std::optional<HandOver> taken = DecodeHandOver(bytes(EncodeHandOver(sent)));
  ASSERT_TRUE(taken);
  EXPECT_EQ(std::pair(taken->directory, taken->arguments),
            std::pair(sent.directory, sent.arguments));
  EXPECT_TRUE(DecodeHandOver(bytes(uR"(\\server\share)" + nul + u"/nobutton")));

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
