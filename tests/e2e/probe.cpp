// Runs Win32 calls for the end-to-end tests: each line on stdin is a function of user32, kernel32,
// gdi32 or shell32 and its arguments (integers, s:HEX a UTF-16LE string, a:HEX a buffer with that
// content, b:N N zero bytes); the line written back is the result, the last error and each
// buffer's final content in hex. The probe's windows are served between calls, like any program's.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr UINT kRequest = WM_APP;

std::string Hex(const std::string& bytes) {
  std::string text;
  for (unsigned char c : bytes) text += {"0123456789abcdef"[c >> 4], "0123456789abcdef"[c & 15]};
  return text;
}

std::string Unhex(const std::string& text) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    bytes += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
  }
  return bytes;
}

// Calls `function` with exactly as many arguments as given: a stdcall callee pops its own.
template <std::size_t... I>
intptr_t CallWith(FARPROC function, const intptr_t* args, std::index_sequence<I...>) {
  using Function = intptr_t(WINAPI*)(decltype(I, intptr_t{})...);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(function))(args[I]...);
}

template <std::size_t... N>
intptr_t Call(FARPROC function, const std::vector<intptr_t>& args, std::index_sequence<N...>) {
  intptr_t result = 0;
  ((args.size() == N ? (result = CallWith(function, args.data(), std::make_index_sequence<N>{}))
                     : 0),
   ...);
  return result;
}

FARPROC Find(const std::string& name) {
  for (const char* dll : {"user32", "kernel32", "gdi32", "shell32"}) {
    if (FARPROC found = GetProcAddress(LoadLibraryA(dll), name.c_str())) return found;
  }
  return nullptr;
}

std::string Run(const std::string& line) {
  std::istringstream in(line);
  const std::vector<std::string> words{std::istream_iterator<std::string>(in), {}};
  if (words.empty()) return "error empty";
  FARPROC function = Find(words[0]);
  if (!function) return "error no function " + words[0];
  std::vector<std::string> buffers;
  buffers.reserve(words.size());
  std::vector<intptr_t> args;
  for (std::size_t i = 1; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.size() >= 2 && word[1] == ':') {
      const std::string body = word.substr(2);
      buffers.push_back(word[0] == 'b' ? std::string(std::stoul(body), '\0') : Unhex(body));
      if (word[0] == 's') buffers.back().append(2, '\0');
      args.push_back(reinterpret_cast<intptr_t>(buffers.back().data()));
    } else {
      args.push_back(static_cast<intptr_t>(std::stoll(word, nullptr, 0)));
    }
  }
  SetLastError(0);
  const intptr_t result = Call(function, args, std::make_index_sequence<16>{});
  std::string answer = std::to_string(result) + " " + std::to_string(GetLastError());
  for (const std::string& buffer : buffers) answer += " " + Hex(buffer);
  return answer;
}

LRESULT CALLBACK ServerProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != kRequest) return DefWindowProcW(window, message, wparam, lparam);
  auto* line = reinterpret_cast<std::string*>(lparam);
  const std::string answer = Run(*line) + "\n";
  delete line;
  std::fwrite(answer.data(), 1, answer.size(), stdout);
  std::fflush(stdout);
  return 0;
}

// Target windows note a right press and release on their frame ("E2E.RightDown", "E2E.RightUp").
// With "E2E.Slow" they answer other threads' hit tests late, as a hung program would: under Wine a
// hung program reads its own mouse input, so no one sees a click on it until it answers again.
LRESULT CALLBACK WitnessProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCRBUTTONDOWN || message == WM_NCRBUTTONUP) {
    SetPropW(window, message == WM_NCRBUTTONDOWN ? L"E2E.RightDown" : L"E2E.RightUp",
             reinterpret_cast<HANDLE>(wparam));
  }
  if (message == WM_NCHITTEST && InSendMessage() && GetPropW(window, L"E2E.Slow")) Sleep(1000);
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int main() {
  WNDCLASSW witness_class{.lpfnWndProc = WitnessProc,
                          .hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)),
                          .hbrBackground = GetSysColorBrush(COLOR_BTNFACE),
                          .lpszClassName = L"E2EWitness"};
  RegisterClassW(&witness_class);
  WNDCLASSW server_class{.lpfnWndProc = ServerProc, .lpszClassName = L"E2EProbe"};
  RegisterClassW(&server_class);
  HWND server =
      CreateWindowW(L"E2EProbe", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  // Lines are read on a thread of their own and run here, where the windows live.
  std::thread([server] {
    char buffer[65536];
    while (std::fgets(buffer, sizeof buffer, stdin)) {
      std::string line(buffer);
      line.erase(line.find_last_not_of("\r\n") + 1);
      PostMessageW(server, kRequest, 0, reinterpret_cast<LPARAM>(new std::string(line)));
    }
    PostMessageW(server, WM_QUIT, 0, 0);
  }).detach();
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
