#include "app/command_line_options.h"

#include "core/program_ids.h"
#include "win32/start_program.h"
#include "win32/wide.h"

namespace velamo {
namespace {

// How soon a hand-over is applied, and how often one held up by a message box is tried again.
constexpr int kApplyInterval = 50;
// The most hand-overs that wait: any process may send them, and each may show a message.
constexpr std::size_t kMostWaiting = 16;

}  // namespace

CommandLineOptions::CommandLineOptions(toolkit::Application& app, Form1& form1, WindowWatch& watch,
                                       CaptionButtonHook& hook)
    : app_(app),
      form1_(form1),
      watch_(watch),
      hook_(hook),
      watch_timer_(form1.form()),
      apply_timer_(form1.form()) {
  watch_timer_.OnTimer = [this] {
    watch_.Look();
    WatchAtItsPace();
  };
  apply_timer_.OnTimer = [this] { ApplyWaiting(); };
}

void CommandLineOptions::Apply(const Options& options, const std::wstring& directory) {
  // Every chord given is let go before any is taken, so that the keys can trade chords.
  const std::pair<const std::optional<KeyOption>*, bool (Form1::*)(Chord)> keys[] = {
      {&options.hide_key, &Form1::SetHideKey},
      {&options.restore_key, &Form1::SetRestoreKey},
      {&options.menu_key, &Form1::SetMenuKey}};
  for (const auto& [key, set] : keys) {
    if (*key) (form1_.*set)({});
  }
  for (const auto& [key, set] : keys) {
    if (*key) SetKey(set, **key);
  }
  if (options.no_button) hook_.StopMinimizeButton();
  for (const std::u16string& program : options.close) hook_.AddCloseRule(program);
  for (const std::u16string& program : options.minimized) watch_.AddMinimizedRule(program);
  for (const std::u16string& program : options.open) watch_.AddOpenRule(program);
  if (options.run) {
    Run(std::wstring(Wide(*options.run)), std::wstring(Wide(options.run_arguments)), directory);
  }
  WatchAtItsPace();
}

void CommandLineOptions::WatchAtItsPace() {
  const int interval = watch_.Active() ? watch_.Interval() : 0;
  if (watch_timer_.Interval() != interval) watch_timer_.SetInterval(interval);
}

LRESULT CommandLineOptions::Receive(const COPYDATASTRUCT& data) {
  // No ChangeWindowMessageFilter: processes of lower integrity cannot reach this door.
  if (data.dwData != kHandOverId || (data.cbData != 0 && !data.lpData) ||
      waiting_.size() >= kMostWaiting) {
    return FALSE;
  }
  std::optional<HandOver> hand_over =
      DecodeHandOver(std::string_view(static_cast<const char*>(data.lpData), data.cbData));
  if (!hand_over) return FALSE;
  waiting_.push_back(std::move(*hand_over));
  apply_timer_.SetInterval(kApplyInterval);
  return TRUE;
}

void CommandLineOptions::ApplyWaiting() {
  // A tick already queued may come after the last one was taken.
  if (waiting_.empty() || applying_ || app_.ShowingMessage()) return;
  const HandOver hand_over = std::move(waiting_.front());
  waiting_.pop_front();
  if (waiting_.empty()) apply_timer_.SetInterval(0);
  applying_ = true;
  Apply(ParseCommandLine(hand_over.arguments).options, std::wstring(Wide(hand_over.directory)));
  applying_ = false;
}

void CommandLineOptions::SetKey(bool (Form1::*set)(Chord), const KeyOption& key) {
  if (!(form1_.*set)(key.chord)) {
    Tell(L"キー「" + std::wstring(Wide(key.text)) + L"」はすでに使われているため、使えません。");
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
  app_.Message(form1_.form().hwnd(), message, MB_OK | MB_ICONEXCLAMATION, L"Velamo");
}

}  // namespace velamo
