#include "skin/win/fitted_text.h"

#include <cwctype>

namespace tesh::skin {
namespace {

constexpr wchar_t kEllipsis[] = L"\u2026";

bool Fits(HDC dc, const std::wstring& text, const RECT& box, UINT format) {
    const SIZE size = TextExtent(dc, text, box.right - box.left, format);
    return size.cx <= box.right - box.left && size.cy <= box.bottom - box.top;
}

bool IsHighSurrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

// The first `length` characters, without a broken surrogate pair or trailing blanks,
// and the ellipsis.
std::wstring Shortened(const std::wstring& text, std::size_t length) {
    if (length > 0 && IsHighSurrogate(text[length - 1])) --length;
    while (length > 0 && iswspace(text[length - 1])) --length;
    return text.substr(0, length) + kEllipsis;
}

}  // namespace

SIZE TextExtent(HDC dc, const std::wstring& text, int width, UINT format) {
    RECT r = {0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

std::wstring FitText(HDC dc, const std::wstring& text, const RECT& box, UINT format) {
    if (Fits(dc, text, box, format)) return text;
    // The longest beginning that fits: what fits at n characters fits at fewer.
    std::size_t fits = 0, fails = text.size();
    while (fails - fits > 1) {
        const std::size_t middle = fits + (fails - fits) / 2;
        if (Fits(dc, Shortened(text, middle), box, format)) {
            fits = middle;
        } else {
            fails = middle;
        }
    }
    return Shortened(text, fits);
}

RECT DrawFittedText(HDC dc, const std::wstring& text, const RECT& box, UINT format) {
    const std::wstring shown = FitText(dc, text, box, format);
    const SIZE size = TextExtent(dc, shown, box.right - box.left, format);
    RECT lines = box;
    lines.top += (box.bottom - box.top - size.cy) / 2;
    lines.bottom = lines.top + size.cy;
    DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &lines, format);
    return lines;
}

}  // namespace tesh::skin
