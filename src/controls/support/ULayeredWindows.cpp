#include "ULayeredWindows.h"

namespace {

TSetLayeredWindowAttributes& Set_Attributes() {
  static TSetLayeredWindowAttributes function;
  return function;
}

TUpdateLayeredWindow& Update() {
  static TUpdateLayeredWindow function;
  return function;
}

}  // namespace

void SetLayeredWindowFunctions(TSetLayeredWindowAttributes setAttributes, TUpdateLayeredWindow update) {
  Set_Attributes() = std::move(setAttributes);
  Update() = std::move(update);
}

bool CallUpdateLayeredWindow(TWindowHandle window, void* destination, const TPoint* destinationPoint,
                             const TPoint* size, void* source, const TPoint* sourcePoint, TColor key,
                             const TBlendFunction* blend, uint32_t flags) {
  if (!Update()) return true;
  return Update()(window, destination, destinationPoint, size, source, sourcePoint, key, blend, flags);
}

bool CallSetLayeredWindowAttributes(TWindowHandle window, TColor key, uint8_t alpha, uint32_t flags) {
  if (!Set_Attributes()) return true;
  return Set_Attributes()(window, key, alpha, flags);
}
