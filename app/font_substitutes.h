#pragma once

// The forms name fonts of the platform the editor was drawn on ("Microsoft
// YaHei", "微软雅黑", "Segoe UI"). Maps each to an installed family of
// near-equal widths, so that captions keep the room the forms give them:
// the two YaHei names to WenQuanYi Micro Hei, "Segoe UI" to Liberation Sans.
// The forms keep naming their own fonts; where these are installed, they
// are used. Call before any widget is built; later calls change nothing.
void Install_Font_Substitutes();
