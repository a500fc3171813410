#include "tools/profile_json.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "tests/tools/tool_records.h"
#include "tools/json_print.h"
#include "tools/record_json.h"

namespace tesh {
namespace {

std::unique_ptr<ProfileRecord> Defaults(int slot) {
    auto p = std::make_unique<ProfileRecord>();
    std::memset(p.get(), 0, sizeof(ProfileRecord));
    ProfileDefaults(*p, slot);
    return p;
}

// Reads JSON `text` into `p`; the message when refused, "" otherwise.
std::string Import(const std::string& text, ProfileRecord& p) {
    Json json;
    Status s = ParseJson(text, json);
    if (s.ok()) s = ProfileFromJson(json, p);
    return s.message();
}

TEST(ProfileJson, FilledProfileRoundTripsToTheSameBytes) {
    auto filled = test::FilledProfile();
    std::string text = PrettyJson(ProfileToJson(*filled));
    for (int slot = 0; slot < kProfileCount; ++slot) {
        auto read = Defaults(slot);
        ASSERT_EQ(Import(text, *read), "");
        EXPECT_EQ(std::memcmp(read.get(), filled.get(), sizeof(ProfileRecord)), 0)
            << "over the defaults of slot " << slot;
    }
}

TEST(ProfileJson, IndexedKeysBecomeArraysUnderTheirBase) {
    Json j = ProfileToJson(*Defaults(1));
    EXPECT_EQ(j.size(), 42u) << "4 texts, 33 integers, dpi, the two CPI and three struct arrays";
    EXPECT_EQ(j["dpi"], Json::parse("[1,1,1,1,1,0]"));
    EXPECT_EQ(j["CpiLevel_Y"], Json::parse("[1,2,3,5,7]"));
    EXPECT_TRUE(j.contains("GameFile2"));
    EXPECT_FALSE(j.contains("GameFile"));
    EXPECT_EQ(j["LightInfo"][3],
              Json::parse(R"({"index":0,"on":1,"red":0,"green":100,"blue":250})"));
    ASSERT_EQ(j["MacroKeyInfo"].size(), 24u);
    EXPECT_EQ(j["MacroKeyInfo"][4]["code"], 65);
    EXPECT_EQ(j["MacroKeyInfo"][4]["events"], Json::array());
}

TEST(ProfileJson, ShowsOnlyTheFirstEventCountEvents) {
    auto p = Defaults(0);
    ButtonRecord& shortcut = p->Buttons[2];
    shortcut.code = 5;
    shortcut.eventCount = 1;
    shortcut.events[0] = 0x04;  // key
    shortcut.events[1] = 0x03;  // modifier bits
    shortcut.events[4] = 0x99;  // beyond the count: not shown
    p->Buttons[3].eventCount = 0xFFFF;
    Json j = ProfileToJson(*p);
    EXPECT_EQ(j["MacroKeyInfo"][2]["events"], Json::parse("[[4,3,0]]"));
    EXPECT_EQ(j["MacroKeyInfo"][3]["events"].size(), 500u) << "the event area holds no more";
    EXPECT_EQ(j["MacroKeyInfo"][3]["eventCount"], 0xFFFF);
}

TEST(ProfileJson, TextBytesTravelAsUtf8) {
    auto p = Defaults(0);
    CopyToField(p->ProFileName, sizeof p->ProFileName, "Caf\xE9 \x80 \x81");
    Json j = ProfileToJson(*p);
    EXPECT_EQ(j["ProFileName"], "Caf\u00E9 \u20AC \u0081");
    auto back = Defaults(0);
    ASSERT_EQ(Import(j.dump(), *back), "");
    EXPECT_STREQ(back->ProFileName, p->ProFileName);
}

// Twenty-four button objects, all empty but `index`.
std::string Buttons(int index, const std::string& button) {
    std::string list;
    for (int b = 0; b < kButtonSlots; ++b) list += (b ? "," : "") + (b == index ? button : "{}");
    return "[" + list + "]";
}

TEST(ProfileJson, AbsentKeysAndMembersKeepTheRecord) {
    auto p = Defaults(3);
    std::string text = R"({"Sensitivity": 9, "MacroKeyInfo": )" +
                       Buttons(7, R"({"code": 48, "macroName": "Fire",
                                      "events": [[4,1,0],[4,2,65535]]})") +
                       "}";
    ASSERT_EQ(Import(text, *p), "");
    auto expected = Defaults(3);
    expected->Sensitivity = 9;
    ButtonRecord& b = expected->Buttons[7];
    b.code = 48;
    CopyToField(b.macroName, sizeof b.macroName, "Fire");
    b.eventCount = 2;
    const uint8_t events[] = {4, 1, 0, 0, 4, 2, 0xFF, 0xFF};
    std::memcpy(b.events, events, sizeof events);
    EXPECT_EQ(std::memcmp(p.get(), expected.get(), sizeof(ProfileRecord)), 0);
}

TEST(ProfileJson, OverlongTextIsCutToItsField) {
    auto p = Defaults(0);
    ASSERT_EQ(Import(R"({"ProFileName": ")" + std::string(300, 'x') + R"(", "MacroKeyInfo": )" +
                         Buttons(1, R"({"timerName": ")" + std::string(150, 't') + R"("})") + "}",
                     *p),
              "");
    EXPECT_EQ(std::strlen(p->ProFileName), 249u);
    EXPECT_EQ(std::strlen(p->Buttons[1].timerName), 99u);
    EXPECT_EQ(p->Buttons[1].timerValue, 0) << "the next member is untouched";
}

struct Refusal {
    std::string json;
    std::string message;
};

TEST(ProfileJson, RefusesWhatDoesNotFitWithAMessageNamingIt) {
    const std::string event = R"({"events": [[4,1,0],)";
    const std::vector<Refusal> cases = {
        {"[1,2]", "expected an object, got array"},
        {R"({"Sensitivty": 6})", R"(unknown key "Sensitivty")"},
        {R"({"GameFile": "x"})", R"(unknown key "GameFile")"},
        {R"({"dpi0": 1})", R"(unknown key "dpi0")"},
        {R"({"Sensitivity": "6"})", "Sensitivity: expected an integer, got string"},
        {R"({"Sensitivity": 6.5})", "Sensitivity: expected an integer, got number"},
        {R"({"Sensitivity": true})", "Sensitivity: expected an integer, got boolean"},
        {R"({"Sensitivity": 2147483648})", "Sensitivity: 2147483648 is out of range"},
        {R"({"Sensitivity": -2147483649})", "Sensitivity: -2147483649 is out of range"},
        {R"({"ProFileName": 5})", "ProFileName: expected a string, got number"},
        {R"({"ProFileName": "a\nb"})", "ProFileName: a line break cannot be stored"},
        {R"({"GameFile1": "\u4E2D"})", "GameFile1: character U+4E2D cannot be stored"},
        {R"({"dpi": [1,1,1,1,1]})", "dpi: expected 6 entries, got 5"},
        {R"({"dpi": [1,1,1,1,1,256]})", "dpi[5]: 256 is out of range 0..255"},
        {R"({"dpi": [1,1,-1,1,1,0]})", "dpi[2]: -1 is out of range 0..255"},
        {R"({"CpiLevel_X": 3})", "CpiLevel_X: expected an array, got number"},
        {R"({"LightInfo": [{},{},{"red": 300},{}]})", "LightInfo[2].red: 300 is out of range"},
        {R"({"LightInfo": [{},{},{},{"colour": 1}]})", R"(LightInfo[3]: unknown key "colour")"},
        {R"({"MacroKeyInfo": )" + Buttons(3, event + "[256,1,0]]}") + "}",
         "MacroKeyInfo[3].events[1][0]: 256 is out of range 0..255"},
        {R"({"MacroKeyInfo": )" + Buttons(3, event + "[4,-1,0]]}") + "}",
         "MacroKeyInfo[3].events[1][1]: -1 is out of range 0..255"},
        {R"({"MacroKeyInfo": )" + Buttons(3, event + "[4,1,65536]]}") + "}",
         "MacroKeyInfo[3].events[1][2]: 65536 is out of range 0..65535"},
        {R"({"MacroKeyInfo": )" + Buttons(3, event + "[4,1]]}") + "}",
         "MacroKeyInfo[3].events[1]: expected 3 entries, got 2"},
        {R"({"MacroKeyInfo": )" + Buttons(0, R"({"eventCount": 501})") + "}",
         "MacroKeyInfo[0].eventCount: 501 is out of range 0..500"},
        {R"({"MacroKeyInfo": )" + Buttons(0, event + R"([4,2,0]], "eventCount": 3})") + "}",
         "MacroKeyInfo[0]: eventCount is 3 but events holds 2"},
        {R"({"MacroKeyInfo": )" + Buttons(9, R"({"macroSet": null})") + "}",
         "MacroKeyInfo[9].macroSet: expected a string, got null"},
        {R"({"MacroKeyInfo": )" + Buttons(9, R"({"repeats": 2})") + "}",
         R"(MacroKeyInfo[9]: unknown key "repeats")"},
        {R"({"MacroKeyInfo": )" + Buttons(9, R"({"number": 256})") + "}",
         "MacroKeyInfo[9].number: 256 is out of range 0..255"},
    };
    for (const Refusal& c : cases) {
        auto p = Defaults(0);
        std::string message = Import(c.json, *p);
        EXPECT_EQ(message.rfind(c.message, 0), 0u) << c.json << "\n gave: " << message;
    }
}

TEST(ProfileJson, RefusesMoreThanFiveHundredEvents) {
    std::string events;
    for (int i = 0; i < 501; ++i) events += (i ? ",[4,1,0]" : "[4,1,0]");
    auto p = Defaults(0);
    EXPECT_EQ(
        Import(R"({"MacroKeyInfo": )" + Buttons(0, R"({"events": [)" + events + "]}") + "}", *p),
        "MacroKeyInfo[0].events: 501 events, at most 500 fit");
}

TEST(ProfileJson, BadJsonSaysWhere) {
    Json j;
    Status s = ParseJson("{\"Sensitivity\": }", j);
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.message().rfind("bad JSON: parse error at line 1, column ", 0), 0u) << s.message();
}

}  // namespace
}  // namespace tesh
