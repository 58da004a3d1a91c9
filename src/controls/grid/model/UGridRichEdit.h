#pragma once
// What the grid asks of a rich edit to exchange rich-text cells with it. The rich edit is a widget of the editor
// library and implements this for the grid.
#include <QByteArray>
#include <QString>

class IGridRichEdit {
 public:
  virtual ~IGridRichEdit() = default;
  // Loads a stored rich-text document, one byte per character.
  virtual void LoadRich(const QByteArray& document) = 0;
  // Shows a text as it stands, without formats; an empty text empties the edit.
  virtual void LoadPlain(const QString& text) = 0;
  // The content as a rich-text document.
  virtual QByteArray SaveRich() const = 0;
};
