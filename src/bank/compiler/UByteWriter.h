#pragma once
// Device images are little-endian with fixed record sizes. Values are written byte by byte so the image never
// depends on the host's layout or padding.
#include <QString>
#include <cstdint>
#include <span>

void Put_U8(std::span<uint8_t> image, uint32_t offset, uint8_t value);
void Put_U16(std::span<uint8_t> image, uint32_t offset, uint16_t value);
void Put_U32(std::span<uint8_t> image, uint32_t offset, uint32_t value);
uint16_t Get_U16(std::span<const uint8_t> image, uint32_t offset);
uint32_t Get_U32(std::span<const uint8_t> image, uint32_t offset);

// The device stores each character as the low byte of its UTF-16 code unit.
inline uint8_t Device_Char(QChar c) {
  return static_cast<uint8_t>(c.unicode() & 0xFF);
}

// Sequential writer over an image buffer. `limit` is the highest index it may touch; going past it raises an
// Exception instead of writing outside the image.
class TByteWriter {
 public:
  TByteWriter(std::span<uint8_t> image, uint32_t position, uint32_t limit);
  void U8(uint8_t value);
  void U16(uint16_t value);
  void U32(uint32_t value);
  void Zeros(uint32_t count);
  // The characters of `text`, one byte each, with no terminator.
  void Text(const QString& text);
  uint32_t Position() const { return FPosition; }

 private:
  void Need(uint32_t count) const;
  std::span<uint8_t> FImage;
  uint32_t FPosition;
  uint32_t FLimit;
};
