#include "UTable_View.h"

#include "UGridEditorFactory.h"

TTable_View::TTable_View(QWidget* parent) : TGridView(std::make_unique<TQrvColumnGrid>(), parent) {
  FTable = static_cast<TQrvColumnGrid*>(&Grid());
  TGridEditorFactory::Install(*this);
}
