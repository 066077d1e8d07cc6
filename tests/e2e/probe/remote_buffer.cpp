#include "remote_buffer.h"

namespace e2e {

RemoteBuffer::RemoteBuffer(HWND owner, SIZE_T size) : size_(size) {
  DWORD pid = 0;
  GetWindowThreadProcessId(owner, &pid);
  process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (process_) {
    address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
}

RemoteBuffer::~RemoteBuffer() {
  if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  if (process_) CloseHandle(process_);
}

bool RemoteBuffer::Write(SIZE_T offset, const void* data, SIZE_T size) {
  return address_ && offset + size <= size_ &&
         WriteProcessMemory(process_, address() + offset, data, size, nullptr);
}

bool RemoteBuffer::Read(SIZE_T offset, void* data, SIZE_T size) {
  return address_ && offset + size <= size_ &&
         ReadProcessMemory(process_, address() + offset, data, size, nullptr);
}

}  // namespace e2e
