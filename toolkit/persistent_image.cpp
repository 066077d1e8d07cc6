#include "toolkit/persistent_image.h"

#include "win32/handles.h"

namespace toolkit {

PersistentImage::PersistentImage(HWND window, COLORREF background) {
  RECT client;
  GetClientRect(window, &client);
  width_ = client.right;
  height_ = client.bottom;
  win32::WindowDc screen(window);
  dc_ = CreateCompatibleDC(screen.get());
  bitmap_ = CreateCompatibleBitmap(screen.get(), width_, height_);
  original_bitmap_ = SelectObject(dc_, bitmap_);
  SetDCBrushColor(dc_, background);
  FillRect(dc_, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

PersistentImage::~PersistentImage() {
  SelectObject(dc_, original_bitmap_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

void PersistentImage::PaintTo(HDC target) const {
  BitBlt(target, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
}

}  // namespace toolkit
