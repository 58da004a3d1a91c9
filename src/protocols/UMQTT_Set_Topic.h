#pragma once
// The MQTT publish and subscribe topic tables.
#include "UPlaceholderWindow.h"

class TFMQTT_Set_Topic : public TFPlaceholderWindow {
 public:
  explicit TFMQTT_Set_Topic(QWidget* parent = nullptr) : TFPlaceholderWindow(3100, 3101, parent) {}
};

inline TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;
