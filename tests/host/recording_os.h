#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/os.h"

namespace velamo::testing {

// A fake of the operating system that records every call in order. Text is converted with the
// real code page 932, so double-byte rules behave as on a Japanese system.
class RecordingOs : public Os {
 public:
  std::u16string ApplicationPath() const override { return application_path; }
  std::string ToAnsi(std::u16string_view text) const override;
  std::u16string FromAnsi(std::string_view text) const override;
  void ExtractIconExA(const std::string& file, int index, Handle* large, Handle* small) override;
  bool Shell_NotifyIconA(std::uint32_t message, const TrayBytes& data) override;

  struct NotifyCall {
    std::uint32_t message;
    TrayBytes data;
  };

  std::u16string application_path = u"C:\\Tools";
  // Files that exist, with the icons each group index yields (large, small).
  std::map<std::string, std::map<int, std::pair<Handle, Handle>>> icon_files;

  std::vector<std::string> calls;
  std::vector<NotifyCall> notify_calls;
};

}  // namespace velamo::testing
