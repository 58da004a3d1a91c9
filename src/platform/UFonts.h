#pragma once
// The program names fonts of the classic desktop; map them to the metric-compatible free fonts installed here.
void Install_Font_Substitutes();
