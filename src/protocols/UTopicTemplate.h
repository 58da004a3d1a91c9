#pragma once
// Edits one MQTT topic or template; opened from the MQTT window. Takes its texts once, when it is created.
#include "UPlaceholderWindow.h"

class TFTopicTemplate : public TFPlaceholderWindow {
 public:
  explicit TFTopicTemplate(QWidget* parent = nullptr) : TFPlaceholderWindow(3200, 3202, parent) {}
};

inline TFTopicTemplate* FTopicTemplate = nullptr;
