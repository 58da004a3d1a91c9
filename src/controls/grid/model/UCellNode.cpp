#include "UCellNode.h"

#include "UBaseGrid.h"

void TCellNode::Assign(const TCellNode& source) {
  Color = source.Color;
  FNodeType = source.FNodeType;
  NodeColor = source.NodeColor;
  FExpandGlyph = source.FExpandGlyph;
  ExpandOne = source.ExpandOne;
  FContractGlyph = source.FContractGlyph;
  FShowTree = source.FShowTree;
  FShowTreeFull = source.FShowTreeFull;
  FNodeIndent = source.FNodeIndent;
  FTreeColor = source.FTreeColor;
}

template <class T>
void TCellNode::Store(T& field, T value) {
  if (field == value) return;
  field = value;
  if (FOwner) FOwner->Invalidate();
}

void TCellNode::SetNodeType(TNodeType value) {
  Store(FNodeType, value);
}
void TCellNode::SetShowTree(bool value) {
  Store(FShowTree, value);
}
void TCellNode::SetShowTreeFull(bool value) {
  Store(FShowTreeFull, value);
}
void TCellNode::SetNodeIndent(int32_t value) {
  Store(FNodeIndent, value);
}
void TCellNode::SetTreeColor(TColor value) {
  Store(FTreeColor, value);
}
