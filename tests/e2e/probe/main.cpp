// velamo_probe: reads the state of the Windows desktop (windows, controls, focus, shell) and
// prints it as JSON, for end-to-end tests that drive programs under Wine with real input.
// "serve" keeps one process answering one command per stdin line, to spare Wine start-ups.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "commands.h"

namespace e2e {
namespace {

struct Command {
  const wchar_t* name;
  int (*run)(const Args&, JsonWriter&);
};

constexpr Command kCommands[] = {
    {L"toplevel", ListTopLevel},   {L"window", DescribeWindow},   {L"children", ListChildren},
    {L"point", WindowAtPoint},     {L"listbox", ReadListBox},     {L"listview", ReadListView},
    {L"focus", DescribeFocus},     {L"cursor", DescribeCursor},   {L"icons", DescribeIcons},
    {L"taskbar", DescribeTaskbar}, {L"metrics", DescribeMetrics}, {L"font", DescribeFont},
};

void WriteLine(const std::string& text) {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  std::string line = text + "\n";
  DWORD written = 0;
  WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

int Run(const Args& words) {
  JsonWriter json;
  int code = 2;
  if (words.empty()) {
    code = Fail(json, "usage: velamo_probe COMMAND [ARGS] | serve");
  } else {
    const Command* found = nullptr;
    for (const auto& command : kCommands) {
      if (words[0] == command.name) found = &command;
    }
    if (found) {
      code = found->run(Args(words.begin() + 1, words.end()), json);
    } else {
      code = Fail(json, "unknown command");
    }
  }
  WriteLine(json.str());
  return code;
}

Args SplitWords(const std::wstring& line) {
  Args words;
  std::wstring word;
  bool quoted = false;
  for (wchar_t c : line) {
    if (c == L'"') {
      quoted = !quoted;
    } else if ((c == L' ' || c == L'\t') && !quoted) {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

std::wstring FromUtf8(const std::string& text) {
  int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

// Answers commands, one UTF-8 line each, until stdin ends.
int Serve() {
  HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  std::string pending;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(in, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    pending.append(buffer, got);
    for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
      std::string line = pending.substr(0, end);
      pending.erase(0, end + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      Run(SplitWords(FromUtf8(line)));
    }
  }
  return 0;
}

}  // namespace

int Fail(JsonWriter& json, const std::string& message) {
  json.BeginObject().Field("error", message).EndObject();
  return 1;
}

}  // namespace e2e

int wmain(int argc, wchar_t** argv) {
  e2e::Args words(argv + 1, argv + argc);
  if (words.size() == 1 && words[0] == L"serve") return e2e::Serve();
  return e2e::Run(words);
}
