#include "DAdiZiduDizuvuActionLink.h"

#include <QAction>

#include "DAdiZiduDizuvu.h"

DAdiZiduDizuvuActionLink::DAdiZiduDizuvuActionLink(DAdiZiduDizuvu* client, QAction* action)
    : FClient(client), FAction(action) {
  if (!action) return;
  FCaption = action->text();
  FChecked = action->isChecked();
  FGroupIndex = Group_Of(action);
  FConnection = QObject::connect(action, &QAction::changed, client, [this] { Action_Changed(); });
}

DAdiZiduDizuvuActionLink::~DAdiZiduDizuvuActionLink() {
  QObject::disconnect(FConnection);
}

int32_t DAdiZiduDizuvuActionLink::Group_Of(const QAction* action) {
  return action->property("GroupIndex").toInt();
}

bool DAdiZiduDizuvuActionLink::IsCaptionLinked() const {
  return FAction && FClient->Caption() == FCaption;
}

bool DAdiZiduDizuvuActionLink::IsCheckedLinked() const {
  return FAction && FClient->GroupIndex() != 0 && FClient->AllowAllUp() && FChecked == FClient->Down();
}

bool DAdiZiduDizuvuActionLink::IsGroupIndexLinked() const {
  return FAction && FGroupIndex == FClient->GroupIndex();
}

void DAdiZiduDizuvuActionLink::Execute() {
  if (FAction) FAction->trigger();
}

void DAdiZiduDizuvuActionLink::Action_Changed() {
  if (!FAction) return;
  const bool caption = IsCaptionLinked(), checked = IsCheckedLinked(), group = IsGroupIndexLinked();
  if (caption) FClient->SetCaption(FAction->text());
  if (group) FClient->SetGroupIndex(Group_Of(FAction));
  if (checked) FClient->SetDown(FAction->isChecked());
  FCaption = FAction->text();
  FChecked = FAction->isChecked();
  FGroupIndex = Group_Of(FAction);
  FClient->setEnabled(FAction->isEnabled());
}
