#include "toolkit/shape.h"

namespace toolkit {

void Shape::Paint(HDC dc) const {
  SetDCBrushColor(dc, fill_.Resolve());
  FillRect(dc, &Bounds(), static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

}  // namespace toolkit
