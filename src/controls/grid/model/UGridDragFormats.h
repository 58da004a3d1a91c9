#pragma once
// The formats a drag out of a grid offers and a drop onto one reads: the names the formats are registered by,
// the MIME types those names travel as, the cells block of a drag and the column block. Plain bytes in and out,
// so the widget side only moves them between the toolkit's drag data and the grid.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

#include "UGridModule.h"

inline const QString RtfFormatName = QStringLiteral("Rich Text Format");
inline const QString ColumnFormatName = QStringLiteral("Grid Column");
inline const QString UrlFormatName = QStringLiteral("UniformResourceLocator");
// The cells format is GridCellsFormatName, shared with the grid's clipboard copy and paste.

// A format registered by name travels under the toolkit's MIME type for a registered clipboard format, so the
// same name stays the same format wherever the data goes.
QString GridFormatMimeType(const QString& registeredName);
QString RtfMimeType();
QString ColumnMimeType();
QString GridCellsMimeType();
QString UrlMimeType();

// The cells block of a drag: the stream's length, a reserved 0, then the stream.
QByteArray CellsBlock_Wrap(const QByteArray& stream);
// The stream of a dropped block; none when the announced length is negative or runs past the block's data.
std::optional<QByteArray> CellsBlock_Unwrap(const QByteArray& block);

// The column block: the column index, 32-bit little-endian.
QByteArray ColumnBlock_Write(int32_t column);
// -1 when the block is shorter than the index.
int32_t ColumnBlock_Read(const QByteArray& block);

// Rich text is offered and accepted in drags only while allowed; one setting for every grid of the process.
void SetDropRtfAllowed(bool value);
bool DropRtfAllowed();

// Drop effects, as bits.
enum TGridDropEffect : uint32_t { deNone = 0, deCopy = 1, deMove = 2 };
// Ctrl held copies; otherwise a move when the source allows it, else a copy (even when copy is not allowed).
uint32_t DropEffectForKeys(bool ctrlHeld, uint32_t allowed);
