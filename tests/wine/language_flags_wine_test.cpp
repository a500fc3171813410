// The flags of the language button as the program takes them from its resources: one
// strip of 17 flags side by side in the order of the language index, each told apart by
// a few pixels of its stripes and emblems.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "art/art_ids.h"
#include "option/language_files.h"

namespace tesh::option {
namespace {

// Largest difference per channel from the drawn colour: the probes lie inside stripes
// and emblems, away from smoothed edges.
constexpr int kColourTolerance = 40;

struct Probe {
    int language;
    int x;  // within the flag
    int y;
    COLORREF colour;
};

constexpr COLORREF kWhite = RGB(0xff, 0xff, 0xff);

constexpr Probe kProbes[] = {
    // Denmark: the cross towards the hoist
    {0, 3, 3, RGB(0xc8, 0x10, 0x2e)},
    {0, 11, 13, kWhite},
    {0, 25, 8, kWhite},
    {0, 25, 3, RGB(0xc8, 0x10, 0x2e)},
    // United Kingdom
    {1, 16, 8, RGB(0xc8, 0x10, 0x2e)},
    {1, 16, 1, RGB(0xc8, 0x10, 0x2e)},
    {1, 10, 1, RGB(0x01, 0x21, 0x69)},
    // Finland
    {2, 3, 3, kWhite},
    {2, 11, 3, RGB(0x00, 0x2f, 0x6c)},
    {2, 25, 8, RGB(0x00, 0x2f, 0x6c)},
    {2, 25, 14, kWhite},
    // France
    {3, 5, 8, RGB(0x00, 0x55, 0xa4)},
    {3, 16, 8, kWhite},
    {3, 27, 8, RGB(0xef, 0x41, 0x35)},
    // Germany
    {4, 16, 2, RGB(0x00, 0x00, 0x00)},
    {4, 16, 8, RGB(0xdd, 0x00, 0x00)},
    {4, 16, 14, RGB(0xff, 0xce, 0x00)},
    // Italy
    {5, 5, 8, RGB(0x00, 0x92, 0x46)},
    {5, 16, 8, kWhite},
    {5, 27, 8, RGB(0xce, 0x2b, 0x37)},
    // Japan
    {6, 16, 8, RGB(0xbc, 0x00, 0x2d)},
    {6, 3, 3, kWhite},
    {6, 28, 14, kWhite},
    // South Korea: red above, blue below, white corners
    {7, 17, 5, RGB(0xcd, 0x2e, 0x3a)},
    {7, 14, 11, RGB(0x00, 0x47, 0xa0)},
    {7, 1, 1, kWhite},
    {7, 30, 15, kWhite},
    // Poland
    {8, 16, 3, kWhite},
    {8, 16, 13, RGB(0xdc, 0x14, 0x3c)},
    // Russia
    {9, 16, 2, kWhite},
    {9, 16, 8, RGB(0x00, 0x39, 0xa6)},
    {9, 16, 14, RGB(0xd5, 0x2b, 0x1e)},
    // China
    {10, 28, 14, RGB(0xee, 0x1c, 0x25)},
    {10, 5, 4, RGB(0xff, 0xde, 0x00)},
    // Spain
    {11, 28, 1, RGB(0xaa, 0x15, 0x1b)},
    {11, 28, 8, RGB(0xf1, 0xbf, 0x00)},
    {11, 28, 15, RGB(0xaa, 0x15, 0x1b)},
    // Sweden
    {12, 3, 3, RGB(0x00, 0x6a, 0xa7)},
    {12, 11, 3, RGB(0xfe, 0xcc, 0x02)},
    {12, 25, 8, RGB(0xfe, 0xcc, 0x02)},
    // Thailand
    {13, 16, 1, RGB(0xa5, 0x19, 0x31)},
    {13, 16, 4, RGB(0xf4, 0xf5, 0xf8)},
    {13, 16, 8, RGB(0x2d, 0x2a, 0x4a)},
    {13, 16, 12, RGB(0xf4, 0xf5, 0xf8)},
    {13, 16, 15, RGB(0xa5, 0x19, 0x31)},
    // Taiwan
    {14, 28, 14, RGB(0xfe, 0x00, 0x00)},
    {14, 1, 1, RGB(0x00, 0x00, 0x95)},
    {14, 7, 4, kWhite},
    // Turkey: crescent and star
    {15, 28, 14, RGB(0xe3, 0x0a, 0x17)},
    {15, 5, 8, kWhite},
    {15, 10, 8, RGB(0xe3, 0x0a, 0x17)},
    {15, 18, 8, kWhite},
    // Vietnam
    {16, 16, 8, RGB(0xff, 0xff, 0x00)},
    {16, 2, 2, RGB(0xda, 0x25, 0x1d)},
};

bool Near(int a, int b) {
    return std::abs(a - b) <= kColourTolerance;
}

TEST(LanguageFlags, OneStripOfAllFlagsInLanguageOrder) {
    auto strip = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                 MAKEINTRESOURCEW(IDB_LANGUAGE_FLAGS), IMAGE_BITMAP,
                                                 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(strip, nullptr);
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectW(strip, sizeof dib, &dib), static_cast<int>(sizeof dib));
    EXPECT_EQ(dib.dsBm.bmWidth, kLanguageCount * TESH_FLAG_WIDTH);
    ASSERT_EQ(dib.dsBm.bmHeight, TESH_FLAG_HEIGHT);
    ASSERT_EQ(dib.dsBm.bmBitsPixel, 24);
    const auto* bits = static_cast<const BYTE*>(dib.dsBm.bmBits);
    const bool bottomUp = dib.dsBmih.biHeight > 0;

    for (const Probe& probe : kProbes) {
        const int x = probe.language * TESH_FLAG_WIDTH + probe.x;
        const int row = bottomUp ? TESH_FLAG_HEIGHT - 1 - probe.y : probe.y;
        const BYTE* pixel = bits + row * dib.dsBm.bmWidthBytes + 3 * x;  // blue, green, red
        EXPECT_TRUE(Near(pixel[2], GetRValue(probe.colour)) &&
                    Near(pixel[1], GetGValue(probe.colour)) &&
                    Near(pixel[0], GetBValue(probe.colour)))
            << LanguageLibraryFile(probe.language) << " flag at (" << probe.x << ", " << probe.y
            << ") is " << int{pixel[2]} << ", " << int{pixel[1]} << ", " << int{pixel[0]};
    }
    DeleteObject(strip);
}

}  // namespace
}  // namespace tesh::option
