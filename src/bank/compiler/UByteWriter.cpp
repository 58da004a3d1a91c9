#include "UByteWriter.h"

#include "Exception.h"

namespace {
void Check_Range(size_t size, uint32_t offset, uint32_t count) {
  if (static_cast<uint64_t>(offset) + count > size)
    throw Exception(QStringLiteral("Image access at offset %1 is outside the image.").arg(offset));
}
}  // namespace

void Put_U8(std::span<uint8_t> image, uint32_t offset, uint8_t value) {
  Check_Range(image.size(), offset, 1);
  image[offset] = value;
}

void Put_U16(std::span<uint8_t> image, uint32_t offset, uint16_t value) {
  Check_Range(image.size(), offset, 2);
  image[offset] = static_cast<uint8_t>(value);
  image[offset + 1] = static_cast<uint8_t>(value >> 8);
}

void Put_U32(std::span<uint8_t> image, uint32_t offset, uint32_t value) {
  Check_Range(image.size(), offset, 4);
  for (uint32_t i = 0; i < 4; ++i) image[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint16_t Get_U16(std::span<const uint8_t> image, uint32_t offset) {
  Check_Range(image.size(), offset, 2);
  return static_cast<uint16_t>(image[offset] | (image[offset + 1] << 8));
}

uint32_t Get_U32(std::span<const uint8_t> image, uint32_t offset) {
  Check_Range(image.size(), offset, 4);
  uint32_t value = 0;
  for (uint32_t i = 0; i < 4; ++i) value |= static_cast<uint32_t>(image[offset + i]) << (8 * i);
  return value;
}

TByteWriter::TByteWriter(std::span<uint8_t> image, uint32_t position, uint32_t limit)
    : FImage(image), FPosition(position), FLimit(limit) {}

void TByteWriter::Need(uint32_t count) const {
  const uint64_t end = static_cast<uint64_t>(FPosition) + count;  // one past the last byte to write
  if (end > static_cast<uint64_t>(FLimit) + 1 || end > FImage.size())
    throw Exception(QStringLiteral("The image does not fit: it needs more than %1 bytes.").arg(uint64_t(FLimit) + 1));
}

void TByteWriter::U8(uint8_t value) {
  Need(1);
  FImage[FPosition++] = value;
}

void TByteWriter::U16(uint16_t value) {
  Need(2);
  Put_U16(FImage, FPosition, value);
  FPosition += 2;
}

void TByteWriter::U32(uint32_t value) {
  Need(4);
  Put_U32(FImage, FPosition, value);
  FPosition += 4;
}

void TByteWriter::Zeros(uint32_t count) {
  Need(count);
  for (uint32_t i = 0; i < count; ++i) FImage[FPosition++] = 0;
}

void TByteWriter::Text(const QString& text) {
  Need(static_cast<uint32_t>(text.size()));
  for (const QChar c : text) FImage[FPosition++] = Device_Char(c);
}
