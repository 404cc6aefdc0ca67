#pragma once
// The windows are designed in Tahoma and MS Sans Serif at 8 pt. Where those are not installed,
// fontconfig's own choice for an unknown name is a much wider face that cuts captions and
// wrapped texts laid out to the pixel; Liberation Sans (then DejaVu Sans) stands in instead.
// Call before the first window is created; calling again does nothing.
void InstallFontStandIns();
