// Where the icon goes in a minimised window's client area.
#pragma once

// Centred with one pixel added before halving; integer division truncates
// toward zero, so a client area smaller than the icon gives (1 - d) / 2.
constexpr int MinimisedIconOffset(int clientExtent, int iconExtent) { return (clientExtent - iconExtent + 1) / 2; }
