// Memory inside another window's process. Messages whose parameters point at structures
// (list view items, tooltip tools) are not copied across processes by Wine, so the probe
// places them in the owner's memory.
#pragma once

#include <windows.h>

namespace e2e {

class RemoteBuffer {
 public:
  RemoteBuffer(HWND owner, SIZE_T size);
  ~RemoteBuffer();
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool ok() const { return address_ != nullptr; }
  char* address() const { return static_cast<char*>(address_); }
  LPARAM at(SIZE_T offset) const { return reinterpret_cast<LPARAM>(address() + offset); }
  bool Write(SIZE_T offset, const void* data, SIZE_T size);
  bool Read(SIZE_T offset, void* data, SIZE_T size);

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  SIZE_T size_;
};

}  // namespace e2e
