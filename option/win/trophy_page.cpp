#include "option/win/trophy_page.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <utility>

#include "art/art_ids.h"
#include "option/trophy_texts.h"
#include "settings/file_io.h"
#include "skin/win/layout_rect.h"
#include "skin/win/message_dialog.h"
#include "skin/win/wide_text.h"

namespace tesh::option {
namespace {

constexpr char kClassName[] = "TeshTrophyPage";
constexpr int kPreviousModeId = 700, kNextModeId = 701, kPreviousTrophyId = 702,
              kNextTrophyId = 703, kShareId = 704, kResetId = 705, kPictureId = 706;
constexpr char kRunsStart[] = "RunsStart.ini";
// From the share request's worker: the reply is there (or the request failed).
constexpr UINT kShareDoneMessage = WM_APP + 60;
constexpr char kTrophyPictureFormat[] = "Gif\\%02d.gif";
constexpr char kLockedPicture[] = "Gif\\Locked.gif";
// Tooltip texts of the language library.
constexpr int kPreviousModeText = 1059, kNextModeText = 1060, kPreviousTrophyText = 1061,
              kNextTrophyText = 1062, kShareText = 1063, kResetText = 1064;
constexpr wchar_t kResetTitle[] = L"ATTENTION";
constexpr wchar_t kResetQuestion[] =
    L"Reset the statistics to 0? The trophies you have won stay yours.";

constexpr COLORREF kTextColour = RGB(240, 240, 240);
constexpr COLORREF kDimText = RGB(125, 134, 144);
constexpr int kCounterX = 144;
constexpr int kClickLines[kClickCounters] = {58, 71, 85, 98, 111};
constexpr int kClickSumY = 124;
constexpr int kScrollLines[2] = {165, 178};
constexpr int kScrollSumY = 192;
constexpr int kTimesHighY = 220, kTimesLowY = 233, kDistanceY = 274;
constexpr POINT kBrowsedAt = {372, 44};
constexpr POINT kLevelAt = {537, 73};
constexpr POINT kUnlockedAt = {666, 73};
constexpr POINT kModeHeaderAt = {37, 12};
constexpr SIZE kModeHeader = {177, 20};
constexpr POINT kBadgeAt = {613, 130};
constexpr RECT kTrophyTextRect = {280, 168, 493, 268};
constexpr RECT kHoursRect = {537, 219, 753, 237};
constexpr RECT kDaysRect = {537, 254, 753, 272};

void DrawAt(HDC dc, int x, int y, const char* text) {
    const std::wstring wide = skin::Widen(text);
    TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

void DrawLine(HDC dc, HFONT font, int y, long long value, const char* unit) {
    char text[48];
    std::snprintf(text, sizeof text, "%lld %s", value, unit);
    SelectObject(dc, font);
    DrawAt(dc, kCounterX, y, text);
}

}  // namespace

const char* const TrophyPage::kPreviousMode = "BUTTON_PreStat,17,12,20,20,";
const char* const TrophyPage::kNextMode = "BUTTON_NextStat,214,12,20,20,";
const char* const TrophyPage::kPreviousTrophy = "BUTTON_PreTrophy,264,131,36,36,";
const char* const TrophyPage::kNextTrophy = "BUTTON_NextTrophy,473,131,36,36,";
const char* const TrophyPage::kShare = "BUTTON_ShareTrophy,320,277,233,22,";
const char* const TrophyPage::kReset = "BUTTON_TrophyReset,666,277,91,22,";
const char* const TrophyPage::kLevelBar = "Progress bar,537,34,220,34,";
const char* const TrophyPage::kLevelText = "Progress bar,540,70,230,20,";

bool TrophyPage::Create(HWND mainWindow, int id, const RECT& rect,
                        const std::string& programDirectory) {
    directory_ = programDirectory;
    if (!CreatePage(kClassName, mainWindow, id, rect, IDB_TROPHY_PAGE_NORMAL)) return false;
    const skin::SkinSources pictures = sources();
    auto make = [&](skin::SkinButton& button, int controlId, const char* place) {
        button.Create(hwnd(), controlId, Layout(place));
        button.SetSkin(skin::LayoutRect(place), pictures);
    };
    make(previousMode_, kPreviousModeId, kPreviousMode);
    make(nextMode_, kNextModeId, kNextMode);
    make(previousTrophy_, kPreviousTrophyId, kPreviousTrophy);
    make(nextTrophy_, kNextTrophyId, kNextTrophy);
    make(share_, kShareId, kShare);
    make(reset_, kResetId, kReset);
    picture_.Create(hwnd(), kPictureId, kTrophyRect);
    shareRequest_ = std::make_unique<ShareRequest>(hwnd(), kShareDoneMessage);
    counterFont_ = skin::MakeFont("Arial Narrow", 14);
    sumFont_ = skin::MakeBoldFont("Arial", 14);
    titleFont_ = skin::MakeBoldFont("Arial", 15);
    textFont_ = skin::MakeFont("Arial", 13);
    levelBar_ = skin::LoadSkinBitmap(IDB_LEVEL_BAR);
    levelBadges_ = skin::LoadSkinBitmap(IDB_LEVEL_BADGES);
    modeHeaders_ = skin::LoadSkinBitmap(IDB_STATISTICS_MODES);
    Refresh();
    return true;
}

void TrophyPage::SetTexts(const HelpTexts& texts) {
    previousMode_.SetTooltip(texts.Text(kPreviousModeText, ""));
    nextMode_.SetTooltip(texts.Text(kNextModeText, ""));
    previousTrophy_.SetTooltip(texts.Text(kPreviousTrophyText, ""));
    nextTrophy_.SetTooltip(texts.Text(kNextTrophyText, ""));
    share_.SetTooltip(texts.Text(kShareText, ""));
    reset_.SetTooltip(texts.Text(kResetText, ""));
}

void TrophyPage::Refresh() {
    std::memcpy(info_, model_.working().InfoData, sizeof info_);
    level_ = Level(info_);
    elapsed_ =
        ElapsedOf(SecondsSinceFirstStart(JoinPath(directory_, kRunsStart), std::time(nullptr)));
    ShowTrophy();
    Redraw();
}

// The browsed trophy's animation and text when it is won, else the locked ones; only
// a trophy won can be shared.
void TrophyPage::ShowTrophy() {
    const bool reached = TrophyReached(info_, trophy_);
    const int shown = reached ? trophy_ : -1;
    if (shown != pictureShown_) {
        char name[32];
        std::snprintf(name, sizeof name, kTrophyPictureFormat, trophy_);
        picture_.Load(JoinPath(directory_, reached ? name : kLockedPicture));
        pictureShown_ = shown;
    }
    picture_.SetHoverText(reached ? kTrophyTexts[trophy_] : kLockedTrophyText);
    share_.Enable(reached && !shareRequest_->Running());
}

void TrophyPage::ConfirmReset() {
    if (!skin::Confirm(GetParent(hwnd()), kResetTitle, kResetQuestion)) return;
    model_.ResetStatistics();
    Refresh();
}

// The request runs on a worker; the button waits for its end, the page does not.
void TrophyPage::Share() {
    if (TrophyReached(info_, trophy_) && shareRequest_->Start(trophy_)) share_.Enable(false);
}

bool TrophyPage::OnCommand(int id) {
    switch (id) {
        case kPreviousModeId:
        case kNextModeId:
            mode_ = NextDisplayMode(mode_, id == kNextModeId ? 1 : -1);
            Redraw();
            return true;
        case kPreviousTrophyId:
        case kNextTrophyId:
            trophy_ = NextTrophy(trophy_, id == kNextTrophyId ? 1 : -1);
            ShowTrophy();
            Redraw();
            return true;
        case kResetId:
            ConfirmReset();
            return true;
        case kShareId:
            Share();
            return true;
        default:
            return false;
    }
}

void TrophyPage::PaintOver(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColour);
    const StatisticsLines lines = LinesOf(info_, static_cast<DisplayMode>(mode_), elapsed_);
    for (int i = 0; i < kClickCounters; ++i)
        DrawLine(dc, counterFont_.get(), kClickLines[i], lines.clicks[i], "clicks");
    DrawLine(dc, sumFont_.get(), kClickSumY, lines.clickSum, "clicks");
    for (int i = 0; i < 2; ++i)
        DrawLine(dc, counterFont_.get(), kScrollLines[i], lines.scrolls[i], "scrolls");
    DrawLine(dc, sumFont_.get(), kScrollSumY, lines.scrollSum, "scrolls");
    DrawLine(dc, counterFont_.get(), kTimesHighY, lines.timesHigh, "times");
    DrawLine(dc, counterFont_.get(), kTimesLowY, lines.timesLow, "times");
    DrawLine(dc, counterFont_.get(), kDistanceY, lines.metres, "m");

    const RECT header = {0, kModeHeader.cy * mode_, kModeHeader.cx, kModeHeader.cy * (mode_ + 1)};
    const RECT headerTo = {kModeHeaderAt.x, kModeHeaderAt.y, kModeHeaderAt.x + kModeHeader.cx,
                           kModeHeaderAt.y + kModeHeader.cy};
    skin::DrawBitmapPart(dc, modeHeaders_.get(), header, headerTo);

    const RECT bar = skin::LayoutRect(kLevelBar);
    const int width = LevelBarWidth(bar.right - bar.left, level_);
    if (width > 0) {
        const RECT part = {0, 0, width, bar.bottom - bar.top};
        const RECT to = {bar.left, bar.top, bar.left + width, bar.bottom};
        skin::DrawBitmapPart(dc, levelBar_.get(), part, to);
    }
    if (level_ >= 1) {
        constexpr int side = TESH_LEVEL_BADGE_SIZE;
        const RECT badge = {side * (level_ - 1), 0, side * level_, side};
        const RECT to = {kBadgeAt.x, kBadgeAt.y, kBadgeAt.x + side, kBadgeAt.y + side};
        skin::DrawBitmapPart(dc, levelBadges_.get(), badge, to);
    }

    char text[48];
    SelectObject(dc, titleFont_.get());
    std::snprintf(text, sizeof text, "%d/13", trophy_ + 1);
    DrawAt(dc, kBrowsedAt.x, kBrowsedAt.y, text);
    std::snprintf(text, sizeof text, "Level: %d", level_);
    DrawAt(dc, kLevelAt.x, kLevelAt.y, text);
    std::snprintf(text, sizeof text, "Unlocked: %d/13", level_);
    DrawAt(dc, kUnlockedAt.x, kUnlockedAt.y, text);

    SelectObject(dc, textFont_.get());
    const std::wstring about =
        skin::Widen(TrophyReached(info_, trophy_) ? kTrophyTexts[trophy_] : kLockedTrophyText);
    RECT aboutRect = kTrophyTextRect;
    DrawTextW(dc, about.c_str(), -1, &aboutRect, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    SetTextColor(dc, kDimText);
    for (auto [rect, value] : {std::pair{kHoursRect, elapsed_.hours}, {kDaysRect, elapsed_.days}}) {
        const std::wstring number = std::to_wstring(value);
        DrawTextW(dc, number.c_str(), -1, &rect, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

LRESULT TrophyPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && OnCommand(LOWORD(wParam))) return 0;
    if (message == kShareDoneMessage) {
        shareRequest_->OnDone();
        ShowTrophy();
        return 0;
    }
    return ChildPage::OnMessage(message, wParam, lParam);
}

}  // namespace tesh::option
