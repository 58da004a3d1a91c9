#include "UControl_Modules.h"

#include "UQStyleThemeModule.h"

void Start_Control_Modules() {
  StartThemeSupport();
}

void Stop_Control_Modules() {
  StopThemeSupport();
}
