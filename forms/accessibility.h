#pragma once

// What screen readers and switch access see through the platform's accessibility bus: the knob
// halves as buttons with a press action, and the toy's own windows as windows and dialogs.
// Installed once, before the first window is built.
void installAccessibility();
