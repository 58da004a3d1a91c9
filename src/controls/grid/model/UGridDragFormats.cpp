#include "UGridDragFormats.h"

namespace {

void AppendLE32(QByteArray& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

uint32_t LE32At(const QByteArray& bytes, qsizetype offset) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + i])) << (8 * i);
  return value;
}

constexpr qsizetype CellsHeaderSize = 8;

bool RtfAllowed = false;

}  // namespace

QString GridFormatMimeType(const QString& registeredName) {
  return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(registeredName);
}
QString RtfMimeType() {
  return GridFormatMimeType(RtfFormatName);
}
QString ColumnMimeType() {
  return GridFormatMimeType(ColumnFormatName);
}
QString GridCellsMimeType() {
  return GridFormatMimeType(GridCellsFormatName);
}
QString UrlMimeType() {
  return GridFormatMimeType(UrlFormatName);
}

QByteArray CellsBlock_Wrap(const QByteArray& stream) {
  QByteArray block;
  block.reserve(stream.size() + CellsHeaderSize);
  AppendLE32(block, static_cast<uint32_t>(stream.size()));
  AppendLE32(block, 0);
  block.append(stream);
  return block;
}

std::optional<QByteArray> CellsBlock_Unwrap(const QByteArray& block) {
  if (block.size() < CellsHeaderSize) return std::nullopt;
  const auto length = static_cast<int32_t>(LE32At(block, 0));
  if (length < 0 || length > block.size() - CellsHeaderSize) return std::nullopt;
  return block.mid(CellsHeaderSize, length);
}

QByteArray ColumnBlock_Write(int32_t column) {
  QByteArray block;
  AppendLE32(block, static_cast<uint32_t>(column));
  return block;
}

int32_t ColumnBlock_Read(const QByteArray& block) {
  return block.size() < 4 ? -1 : static_cast<int32_t>(LE32At(block, 0));
}

uint32_t DropEffectForKeys(bool ctrlHeld, uint32_t allowed) {
  if (ctrlHeld) return deCopy;
  return (allowed & deMove) ? deMove : deCopy;
}

void SetDropRtfAllowed(bool value) {
  RtfAllowed = value;
}
bool DropRtfAllowed() {
  return RtfAllowed;
}
