// Wide texts in a fixed box: word-wrapped, centred, and cut with an ellipsis when they
// are longer than the box, so that a text in any language stays inside its place.
#pragma once

#include <windows.h>

#include <string>

namespace tesh::skin {

// The size of the text drawn with `format` (DT_WORDBREAK...) into a box of this width,
// in the font selected into `dc`.
SIZE TextExtent(HDC dc, const std::wstring& text, int width, UINT format);

// The text itself when it fits the box, else its longest beginning that fits with an
// ellipsis after it.
std::wstring FitText(HDC dc, const std::wstring& text, const RECT& box, UINT format);

// Draws the fitted text into the box, its lines centred vertically as a block (the
// system centres single lines only); returns the rectangle the lines take.
RECT DrawFittedText(HDC dc, const std::wstring& text, const RECT& box, UINT format);

}  // namespace tesh::skin
