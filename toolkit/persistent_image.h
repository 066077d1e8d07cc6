#pragma once

#include <windows.h>

namespace toolkit {

// An off-screen bitmap the size of a window's client area that keeps what is drawn into it, so
// the window can repaint it at any time.
class PersistentImage {
 public:
  PersistentImage(HWND window, COLORREF background);
  ~PersistentImage();
  PersistentImage(const PersistentImage&) = delete;
  PersistentImage& operator=(const PersistentImage&) = delete;

  HDC dc() const { return dc_; }
  void PaintTo(HDC target) const;

 private:
  int width_ = 0;
  int height_ = 0;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ original_bitmap_ = nullptr;
};

}  // namespace toolkit
