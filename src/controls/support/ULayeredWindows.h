#pragma once
// The two layered-window calls, made only when the platform offers them; without them they do nothing and report
// success. The widget layer installs what this platform offers (window opacity).
#include <cstdint>
#include <functional>

#include "UThemeModule.h"
#include "UTypes.h"

constexpr uint32_t LWA_COLORKEY = 0x1;
constexpr uint32_t LWA_ALPHA = 0x2;
constexpr uint32_t ULW_ALPHA = 0x2;

struct TBlendFunction {
  uint8_t BlendOp = 0;
  uint8_t BlendFlags = 0;
  uint8_t SourceConstantAlpha = 255;
  uint8_t AlphaFormat = 0;
};

using TSetLayeredWindowAttributes =
    std::function<bool(TWindowHandle window, TColor key, uint8_t alpha, uint32_t flags)>;
using TUpdateLayeredWindow = std::function<bool(
    TWindowHandle window, void* destination, const TPoint* destinationPoint, const TPoint* size, void* source,
    const TPoint* sourcePoint, TColor key, const TBlendFunction* blend, uint32_t flags)>;

// Installs (or, empty, removes) the platform's functions.
void SetLayeredWindowFunctions(TSetLayeredWindowAttributes setAttributes, TUpdateLayeredWindow update);

bool CallUpdateLayeredWindow(TWindowHandle window, void* destination, const TPoint* destinationPoint,
                             const TPoint* size, void* source, const TPoint* sourcePoint, TColor key,
                             const TBlendFunction* blend, uint32_t flags);
bool CallSetLayeredWindowAttributes(TWindowHandle window, TColor key, uint8_t alpha, uint32_t flags);
