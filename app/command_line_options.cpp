#include "app/command_line_options.h"

#include "toolkit/message_box.h"
#include "win32/start_program.h"

namespace velamo {
namespace {

// Posted to the main window when a hand-over has been received; next after the main window's own.
constexpr UINT kApplyReceivedMessage = kHideWindowMessage + 1;
// How often the watch looks: a minimized window goes within half a second.
constexpr int kWatchInterval = 250;

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

CommandLineOptions::CommandLineOptions(Form1& form1, WindowWatch& watch, CaptionButtonHook& hook)
    : form1_(form1), watch_(watch), hook_(hook), watch_timer_(form1.form()) {
  watch_timer_.OnTimer = [this] {
    watch_.Look();
    if (!watch_.Active()) watch_timer_.SetInterval(0);
  };
  // No ChangeWindowMessageFilter: processes of lower integrity cannot reach this door.
  form1_.form().OnMessage(WM_COPYDATA, [this](WPARAM, LPARAM data) {
    Receive(*reinterpret_cast<const COPYDATASTRUCT*>(data));
  });
  form1_.form().OnMessage(kApplyReceivedMessage, [this](WPARAM, LPARAM) { ApplyReceived(); });
}

void CommandLineOptions::Apply(const Options& options, const std::wstring& directory) {
  // Both chords let go before either is taken, so that the two keys can trade chords.
  if (options.hide_key) form1_.SetHideKey({});
  if (options.restore_key) form1_.SetRestoreKey({});
  if (options.hide_key) SetKey(&Form1::SetHideKey, *options.hide_key);
  if (options.restore_key) SetKey(&Form1::SetRestoreKey, *options.restore_key);
  if (options.no_button) hook_.StopMinimizeButton();
  for (const std::u16string& program : options.close) hook_.AddCloseRule(program);
  for (const std::u16string& program : options.minimized) watch_.AddMinimizedRule(program);
  for (const std::u16string& program : options.open) watch_.AddOpenRule(program);
  if (options.run) Run(Wide(*options.run), Wide(options.run_arguments), directory);
  if (watch_.Active() && watch_timer_.Interval() == 0) watch_timer_.SetInterval(kWatchInterval);
}

void CommandLineOptions::Receive(const COPYDATASTRUCT& data) {
  if (data.dwData != kHandOverId || (data.cbData != 0 && !data.lpData)) return;
  std::optional<HandOver> hand_over =
      DecodeHandOver(std::string_view(static_cast<const char*>(data.lpData), data.cbData));
  if (!hand_over) return;
  received_.push_back(std::move(*hand_over));
  PostMessageW(form1_.form().hwnd(), kApplyReceivedMessage, 0, 0);
}

void CommandLineOptions::ApplyReceived() {
  if (received_.empty()) return;
  const HandOver hand_over = std::move(received_.front());
  received_.pop_front();
  Apply(ParseCommandLine(hand_over.arguments).options, Wide(hand_over.directory));
}

void CommandLineOptions::SetKey(bool (Form1::*set)(Chord), const KeyOption& key) {
  if (!(form1_.*set)(key.chord)) {
    Tell(L"キー「" + Wide(key.text) + L"」はすでに使われているため、使えません。");
  }
}

void CommandLineOptions::Run(const std::wstring& program, const std::wstring& arguments,
                             const std::wstring& directory) {
  const StartedProgram started = StartProgram(program, arguments, directory);
  if (started.error != ERROR_SUCCESS) {
    Tell(L"「" + program + L"」を起動できませんでした。\n\n" + SystemMessage(started.error));
  } else if (started.process != 0) {
    watch_.WatchStartedProcess(started.process);
  }
}

void CommandLineOptions::Tell(const std::wstring& message) {
  toolkit::MsgBox(form1_.form().hwnd(), message, MB_OK | MB_ICONEXCLAMATION, L"Velamo");
}

}  // namespace velamo
