#pragma once
// Ties a DAdiZiduDizuvu to an action: the action's text, checked state and group index (its "GroupIndex"
// property) flow to the button while the button still matches what the action had.
#include <QMetaObject>
#include <QPointer>
#include <QString>

class QAction;
class DAdiZiduDizuvu;

class DAdiZiduDizuvuActionLink {
 public:
  DAdiZiduDizuvuActionLink(DAdiZiduDizuvu* client, QAction* action);
  ~DAdiZiduDizuvuActionLink();
  DAdiZiduDizuvuActionLink(const DAdiZiduDizuvuActionLink&) = delete;
  DAdiZiduDizuvuActionLink& operator=(const DAdiZiduDizuvuActionLink&) = delete;

  bool IsCaptionLinked() const;
  bool IsCheckedLinked() const;
  bool IsGroupIndexLinked() const;
  // Runs the action.
  void Execute();

 private:
  void Action_Changed();
  static int32_t Group_Of(const QAction* action);

  DAdiZiduDizuvu* FClient;
  QPointer<QAction> FAction;
  QMetaObject::Connection FConnection;
  // What the action held when the button last followed it.
  QString FCaption;
  bool FChecked = false;
  int32_t FGroupIndex = 0;
};
