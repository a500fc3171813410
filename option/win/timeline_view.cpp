#include "option/win/timeline_view.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "settings/key_tables.h"
#include "settings/win/windows_keyboard_layout.h"

namespace tesh::option {
namespace {

constexpr char kClassName[] = "TeshTimelineView";
constexpr COLORREF kBackground = RGB(16, 18, 21);
constexpr COLORREF kAltRow = RGB(22, 25, 29);
constexpr COLORREF kGrid = RGB(42, 48, 55);
constexpr COLORREF kText = RGB(201, 206, 212);
constexpr COLORREF kBar = RGB(60, 137, 191);
constexpr COLORREF kSelectedBar = RGB(111, 177, 222);
constexpr COLORREF kMouseBar = RGB(200, 150, 60);
constexpr COLORREF kOverviewWindow = RGB(90, 100, 112);
constexpr int kBarInset = 3;
constexpr int kWheelPixels = 60;
constexpr int kMinTickPixels = 60;
constexpr int64_t kTickSteps[] = {1,     2,      5,      10,     20,     50,    100,
                                  200,   500,    1000,   2000,   5000,   10000, 20000,
                                  60000, 120000, 300000, 600000, 1800000};

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    skin::OwnedBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &r, brush.get());
}

std::string TimeLabel(int64_t ms) {
    char text[32];
    if (ms % 1000 == 0)
        std::snprintf(text, sizeof text, "%llds", static_cast<long long>(ms / 1000));
    else
        std::snprintf(text, sizeof text, "%lldms", static_cast<long long>(ms));
    return text;
}

}  // namespace

bool TimelineView::Create(HWND parent, int id, const RECT& rect, MacroTimeline& timeline,
                          std::function<void()> changed) {
    timeline_ = &timeline;
    changed_ = std::move(changed);
    font_ = skin::MakeFont("Arial", 13);
    if (!CreateControl(kClassName, parent, id, rect)) return false;
    Reset();
    return true;
}

void TimelineView::Reset() {
    zoom_.Fit(Duration(), BarsWidth());
    scroll_ = 0;
    firstRow_ = 0;
    selected_ = -1;
    drag_ = Drag::kNone;
    Refresh();
}

int TimelineView::BarsWidth() const {
    RECT client{};
    if (hwnd()) GetClientRect(hwnd(), &client);
    return std::max<int>(1, client.right - kKeyColumn);
}

int TimelineView::VisibleRows() const {
    RECT client{};
    GetClientRect(hwnd(), &client);
    return std::max<int>(1, (client.bottom - kRulerHeight - kOverviewHeight) / kRowHeight);
}

int64_t TimelineView::Duration() const {
    return BarsDuration(timeline_->bars);
}

int64_t TimelineView::TimeAtX(int x) const {
    return zoom_.TimeOfX(x - kKeyColumn, scroll_);
}

RECT TimelineView::BarRect(int bar) const {
    const std::vector<int> rows = BarRows(timeline_->bars);
    if (bar < 0 || bar >= static_cast<int>(rows.size())) return RECT{};
    const int row = rows[static_cast<std::size_t>(bar)] - firstRow_;
    if (row < 0 || row >= VisibleRows()) return RECT{};
    const MacroBar& b = timeline_->bars[static_cast<std::size_t>(bar)];
    const int64_t left = kKeyColumn + zoom_.XOfTime(b.start, scroll_);
    const int64_t right = kKeyColumn + std::max<int64_t>(zoom_.XOfTime(b.end, scroll_),
                                                         zoom_.XOfTime(b.start, scroll_) + 2);
    RECT client;
    GetClientRect(hwnd(), &client);
    if (right < kKeyColumn || left > client.right) return RECT{};
    const int top = kRulerHeight + row * kRowHeight;
    return RECT{static_cast<int>(std::max<int64_t>(left, kKeyColumn)), top + kBarInset,
                static_cast<int>(std::min<int64_t>(right, client.right)),
                top + kRowHeight - kBarInset};
}

void TimelineView::Select(int bar) {
    selected_ = bar >= 0 && bar < static_cast<int>(timeline_->bars.size()) ? bar : -1;
    Refresh();
}

void TimelineView::ZoomIn() {
    const int64_t centre = TimeAtX(kKeyColumn + BarsWidth() / 2);
    if (!zoom_.ZoomIn()) return;
    ScrollTo(zoom_.XOfTime(centre, 0) - BarsWidth() / 2);
}

void TimelineView::ZoomOut() {
    const int64_t centre = TimeAtX(kKeyColumn + BarsWidth() / 2);
    if (!zoom_.ZoomOut()) return;
    ScrollTo(zoom_.XOfTime(centre, 0) - BarsWidth() / 2);
}

void TimelineView::Reveal(int bar) {
    if (bar < 0 || bar >= static_cast<int>(timeline_->bars.size())) return;
    const MacroBar& b = timeline_->bars[static_cast<std::size_t>(bar)];
    const int64_t x = zoom_.XOfTime(b.start, 0);
    if (x < scroll_ || x > scroll_ + BarsWidth() - 20) ScrollTo(x - BarsWidth() / 4);
    const int row = BarRows(timeline_->bars)[static_cast<std::size_t>(bar)];
    if (row < firstRow_) firstRow_ = row;
    if (row >= firstRow_ + VisibleRows()) firstRow_ = row - VisibleRows() + 1;
    Refresh();
}

void TimelineView::ScrollTo(int64_t pixels) {
    // A little room after the end, for bars to be dragged there.
    const int64_t most = zoom_.MaxScroll(Duration(), BarsWidth()) + BarsWidth() / 2;
    scroll_ = std::clamp<int64_t>(pixels, 0, std::max<int64_t>(0, most));
    Refresh();
}

RECT TimelineView::OverviewRect() const {
    RECT client;
    GetClientRect(hwnd(), &client);
    return RECT{kKeyColumn, client.bottom - kOverviewHeight, client.right, client.bottom};
}

void TimelineView::ScrollOverviewTo(int x) {
    const RECT strip = OverviewRect();
    const int64_t total = std::max<int64_t>(Duration(), 1);
    const int64_t time = (x - strip.left) * total / std::max<LONG>(1, strip.right - strip.left);
    ScrollTo(zoom_.XOfTime(time, 0) - BarsWidth() / 2);
}

void TimelineView::PaintRuler(HDC dc, const RECT& client) {
    const RECT ruler{0, 0, client.right, kRulerHeight};
    Fill(dc, ruler, kAltRow);
    const int64_t perPixel = zoom_.msPerPixel();
    int64_t step = kTickSteps[std::size(kTickSteps) - 1];
    for (int64_t s : kTickSteps) {
        if (s >= perPixel * kMinTickPixels) {
            step = s;
            break;
        }
    }
    const int64_t first = TimeAtX(kKeyColumn) / step * step;
    HPEN pen = CreatePen(PS_SOLID, 1, kGrid);
    HGDIOBJ old = SelectObject(dc, pen);
    for (int64_t t = first;; t += step) {
        const int64_t x = kKeyColumn + zoom_.XOfTime(t, scroll_);
        if (x > client.right) break;
        if (x < kKeyColumn) continue;
        MoveToEx(dc, static_cast<int>(x), kRulerHeight - 5, nullptr);
        LineTo(dc, static_cast<int>(x), client.bottom - kOverviewHeight);
        const std::string label = TimeLabel(t);
        TextOutA(dc, static_cast<int>(x) + 3, 2, label.c_str(), static_cast<int>(label.size()));
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void TimelineView::PaintBars(HDC dc, const RECT& client) {
    const std::vector<int> rows = BarRows(timeline_->bars);
    const int visible = VisibleRows();
    const WindowsKeyboardLayout layout;
    for (int r = 0; r < visible; ++r) {
        const int top = kRulerHeight + r * kRowHeight;
        if ((r + firstRow_) % 2) Fill(dc, RECT{0, top, client.right, top + kRowHeight}, kAltRow);
    }
    for (std::size_t i = 0; i < timeline_->bars.size(); ++i) {
        const int row = rows[i] - firstRow_;
        if (row < 0 || row >= visible) continue;
        const int top = kRulerHeight + row * kRowHeight;
        const MacroBar& bar = timeline_->bars[i];
        // The key's name, once per row: at the first bar of the row.
        if (std::find(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(i), rows[i]) ==
            rows.begin() + static_cast<std::ptrdiff_t>(i)) {
            const std::string name = UsageName(bar.key, layout);
            RECT cell{4, top, kKeyColumn - 4, top + kRowHeight};
            DrawTextA(dc, name.empty() ? "?" : name.c_str(), -1, &cell,
                      DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        }
        const RECT r = BarRect(static_cast<int>(i));
        if (IsRectEmpty(&r)) continue;
        const bool mouse = bar.key >= 240 && bar.key <= 244;
        Fill(dc, r, static_cast<int>(i) == selected_ ? kSelectedBar : (mouse ? kMouseBar : kBar));
    }
}

void TimelineView::PaintOverview(HDC dc, const RECT&) {
    const RECT strip = OverviewRect();
    Fill(dc, strip, kAltRow);
    const int64_t total = std::max<int64_t>(Duration(), 1);
    const LONG width = std::max<LONG>(1, strip.right - strip.left);
    auto xOf = [&](int64_t t) {
        return strip.left + static_cast<int>(std::min<int64_t>(t, total) * width / total);
    };
    const int64_t from = TimeAtX(kKeyColumn), to = TimeAtX(kKeyColumn + BarsWidth());
    Fill(dc, RECT{xOf(from), strip.top + 2, std::max(xOf(to), xOf(from) + 2), strip.bottom - 2},
         kOverviewWindow);
    for (const MacroBar& bar : timeline_->bars)
        Fill(dc,
             RECT{xOf(bar.start), strip.top + 5, std::max(xOf(bar.end), xOf(bar.start) + 1),
                  strip.bottom - 5},
             kBar);
}

void TimelineView::Paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    Fill(dc, client, kBackground);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kText);
    HGDIOBJ old = SelectObject(dc, font_.get());
    PaintBars(dc, client);
    PaintRuler(dc, client);
    PaintOverview(dc, client);
    SelectObject(dc, old);
}

void TimelineView::OnButtonDown(POINT p) {
    SetFocus(hwnd());
    SetCapture(hwnd());
    const RECT strip = OverviewRect();
    if (PtInRect(&strip, p)) {
        drag_ = Drag::kOverview;
        ScrollOverviewTo(p.x);
        return;
    }
    selected_ = -1;
    drag_ = Drag::kNone;
    for (int i = static_cast<int>(timeline_->bars.size()) - 1; i >= 0; --i) {
        RECT r = BarRect(i);
        if (IsRectEmpty(&r)) continue;
        InflateRect(&r, kEdgeGrab / 2, 0);
        if (!PtInRect(&r, p)) continue;
        selected_ = i;
        if (p.x <= r.left + kEdgeGrab) {
            drag_ = Drag::kStart;
        } else if (p.x >= r.right - kEdgeGrab) {
            drag_ = Drag::kEnd;
        } else {
            drag_ = Drag::kMove;
            grab_ = TimeAtX(p.x) - timeline_->bars[static_cast<std::size_t>(i)].start;
        }
        break;
    }
    Refresh();
}

void TimelineView::OnMouseMove(POINT p) {
    if (drag_ == Drag::kNone) return;
    if (drag_ == Drag::kOverview) {
        ScrollOverviewTo(p.x);
        return;
    }
    const int64_t time = TimeAtX(p.x);
    bool moved = false;
    if (drag_ == Drag::kMove)
        moved = MoveBar(timeline_->bars, selected_, std::max<int64_t>(0, time - grab_));
    if (drag_ == Drag::kStart) moved = MoveBarStart(timeline_->bars, selected_, time);
    if (drag_ == Drag::kEnd) moved = MoveBarEnd(timeline_->bars, selected_, time);
    if (moved && changed_) changed_();
    Refresh();
}

void TimelineView::OnKey(int virtualKey) {
    if (selected_ < 0) return;
    const KeyCode key = VkToUsage(virtualKey, WindowsKeyboardLayout());
    if (!key.found || key.code <= 0 || key.code > 255) return;
    timeline_->bars[static_cast<std::size_t>(selected_)].key = static_cast<uint8_t>(key.code);
    if (changed_) changed_();
    Reveal(selected_);
}

LRESULT TimelineView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd(), &ps);
            RECT client;
            GetClientRect(hwnd(), &client);
            HDC memory = CreateCompatibleDC(dc);
            HBITMAP bits = CreateCompatibleBitmap(dc, client.right, client.bottom);
            HGDIOBJ old = SelectObject(memory, bits);
            Paint(memory);
            BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
            SelectObject(memory, old);
            DeleteObject(bits);
            DeleteDC(memory);
            EndPaint(hwnd(), &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN:
            OnButtonDown(p);
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(p);
            return 0;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            drag_ = Drag::kNone;
            if (message == WM_LBUTTONUP) ReleaseCapture();
            return 0;
        case WM_MOUSEWHEEL: {
            const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
            const std::vector<int> barRows = BarRows(timeline_->bars);
            const int rows =
                barRows.empty() ? 0 : *std::max_element(barRows.begin(), barRows.end()) + 1;
            if ((GET_KEYSTATE_WPARAM(wParam) & MK_SHIFT) || rows <= VisibleRows()) {
                ScrollTo(scroll_ - notches * kWheelPixels);
            } else {
                firstRow_ = std::clamp(firstRow_ - notches, 0, rows - VisibleRows());
                Refresh();
            }
            return 0;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            OnKey(static_cast<int>(wParam));
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS;
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace tesh::option
