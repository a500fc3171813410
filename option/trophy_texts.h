// What each trophy is for, as the statistics page shows it when the trophy is reached,
// and the one text of every trophy not reached yet.
#pragma once

namespace tesh::option {

constexpr const char* kTrophyTexts[] = {
    "Switched profile or DPI 1,000 times",
    "Switched profile or DPI 10,000 times",
    "Switched profile or DPI 25,000 times",
    "50,000 clicks",
    "500,000 clicks",
    "One million clicks",
    "The mouse travelled 508 m",
    "The mouse travelled 25.4 km",
    "The mouse travelled 50.8 km",
    "30,000 scroll notches",
    "200,000 scroll notches",
    "500,000 scroll notches",
    "Every trophy won: master of the Tesh Ulma Optical",
};
constexpr char kLockedTrophyText[] = "Not won yet: keep playing to unlock this trophy";

}  // namespace tesh::option
