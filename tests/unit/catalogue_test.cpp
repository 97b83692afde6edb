#include "browse/catalogue.h"

#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace presslane {
namespace {

using catalogue::Item;
using catalogue::Menu;

// Logos and headings of a menu as the column shows them: a leading count, then each heading
// with the number of logos under it.
std::vector<std::pair<std::string, int>> layout(const Menu& menu) {
    std::vector<std::pair<std::string, int>> out{{"", 0}};
    for (const Item& item : menu.items) {
        if (item.heading()) {
            out.emplace_back(item.name, 0);
        } else {
            ++out.back().second;
        }
    }
    if (out.front().second == 0 && out.size() > 1) out.erase(out.begin());
    return out;
}

TEST(Catalogue, MenusHaveTheirLabelsLayoutsAndBars) {
    using L = std::vector<std::pair<std::string, int>>;
    struct Row {
        const char* label;
        const char* caption;
        const char* bar;
        const char* frame;
        L layout;
    };
    const Row rows[] = {
        {"Label1", "종합신문", "Frame2", "Frame11(4)", {{"", 11}}},
        {"Label2", "경제신문", "Frame2", "Frame12(0)", {{"", 8}}},
        {"Label3", "스포츠신문", "Frame2", "Frame13(0)", {{"", 7}}},
        {"Label4", "정보 IT 신문", "Frame2", "Frame14(0)", {{"", 9}}},
        {"Label5", "인터넷신문", "Frame2", "Frame15(0)", {{"", 12}}},
        {"Label6", "포털 / 해외", "Frame2", "Frame16(0)", {{"", 7}, {"해외뉴스", 10}}},
        {"Label10", "생활정보지", "Frame3", "Frame11(0)", {{"", 5}, {"무료일간지", 3}}},
        {"Label11", "시사/경제", "Frame3", "Frame12(4)", {{"", 12}}},
        {"Label12", "패션/의류", "Frame3", "Frame13(1)", {{"", 11}}},
        {"Label13", "여성/주부", "Frame3", "Frame14(1)", {{"", 7}}},
        {"Label14", "자동차", "Frame3", "Frame15(1)", {{"", 4}, {"중고차포탈", 3}}},
        {"Label15",
         "컴퓨터",
         "Frame3",
         "Frame16(1)",
         {{"", 12}, {"개발사이트", 3}, {"바이러스", 2}, {"소프트웨어", 5}}},
        {"Label17", "증권 Stock", "Frame4", "Frame11(2)", {{"", 7}, {"증권정보", 8}}},
        {"Label18", "은행 Bank", "Frame4", "Frame12(2)", {{"", 13}, {"카드회사", 5}}},
        {"Label19", "취업 Job", "Frame4", "Frame13(2)", {{"", 5}}},
        {"Label20",
         "교통정보",
         "Frame4",
         "Frame14(2)",
         {{"", 4}, {"지하철정보", 2}, {"교통정보", 1}, {"항공", 2}, {"철도", 2}, {"고속버스", 3}}},
        {"Label21",
         "통신정보",
         "Frame4",
         "Frame15(2)",
         {{"", 3}, {"핸드폰정보", 5}, {"고객지원센터", 3}, {"통신회사", 3}}},
        {"Label25",
         "영화 Movie",
         "Frame5",
         "Frame11(3)",
         {{"", 4}, {"영화TV", 4}, {"영화관", 2}, {"영화예매", 3}}},
        {"Label24",
         "게임 Game",
         "Frame5",
         "Frame12(3)",
         {{"", 7}, {"게임정보", 6}, {"게임TV", 2}, {"전문게임", 2}, {"고전게임", 3}}},
        {"Label23",
         "만화/유모",
         "Frame5",
         "Frame13(3)",
         {{"", 4}, {"만화TV", 1}, {"플래쉬만화", 2}, {"만화가", 3}, {"유모", 2}}},
        {"Label22",
         "음악 Music",
         "Frame5",
         "Frame14(3)",
         {{"", 6}, {"음악방송국", 3}, {"인터넷방송", 3}}},
        {"Label16",
         "인터넷 Joy",
         "Frame5",
         "Frame15(3)",
         {{"", 5}, {"전문커뮤니티", 7}, {"포털/검색", 6}, {"다운로드", 4}}},
    };
    ASSERT_EQ(catalogue::menus().size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Menu& m = catalogue::menus()[i];
        SCOPED_TRACE(rows[i].label);
        EXPECT_STREQ(m.label, rows[i].label);
        EXPECT_STREQ(m.caption, rows[i].caption);
        EXPECT_STREQ(m.bar, rows[i].bar);
        EXPECT_EQ(catalogue::menu_control(m), rows[i].frame);
        EXPECT_EQ(layout(m), rows[i].layout);
    }
    for (const char* empty : catalogue::kEmptyMenus) {
        for (const Menu& m : catalogue::menus()) EXPECT_NE(catalogue::menu_control(m), empty);
    }
}

TEST(Catalogue, LogoArraysHaveOneMemberPerMenuOfTheirFamily) {
    std::map<int, std::set<int>> members;
    int logos = 0;
    for (const Menu& m : catalogue::menus()) {
        int previous = 0;
        for (const Item& item : m.items) {
            if (item.heading()) continue;
            ++logos;
            // Columns run in array order and stay in their family's number range.
            EXPECT_GT(item.array, previous) << item.name;
            EXPECT_EQ(item.array / 100, 19 + m.family) << item.name;
            previous = item.array;
            EXPECT_TRUE(members[item.array].insert(m.logo_member).second) << item.array;
            EXPECT_EQ(catalogue::entry(item.array, m.logo_member), &item);
            EXPECT_NE(item.target, nullptr);
            EXPECT_NE(item.name, nullptr);
        }
    }
    EXPECT_EQ(logos, 276);
    std::map<std::size_t, int> by_size;
    for (const auto& [array, set] : members) ++by_size[set.size()];
    EXPECT_EQ(members.size(), 108u);
    EXPECT_EQ(by_size, (std::map<std::size_t, int>{{1, 25}, {2, 32}, {3, 17}, {4, 34}}));
    EXPECT_EQ(members.begin()->first, 3000);
    EXPECT_EQ(members.rbegin()->first, 3522);
}

TEST(Catalogue, EntriesAreChosenByMemberIndex) {
    EXPECT_STREQ(catalogue::entry(3400, 0)->name, "오마이뉴스");
    EXPECT_STREQ(catalogue::menu_of_logo(3400, 1)->caption, "자동차");
    EXPECT_STREQ(catalogue::entry(3400, 1)->name, "Auto spy");
    EXPECT_EQ(catalogue::entry(3401, 1), nullptr);  // no logo of that array in that menu
    EXPECT_EQ(catalogue::entry(3400, 4), nullptr);
    EXPECT_EQ(catalogue::entry(2999, 0), nullptr);
}

TEST(Catalogue, OnlyTheFrame2MenusCarryTooltipsAndFourEntriesTranslate) {
    std::vector<int> translations;
    int bare = 0;
    for (const Menu& m : catalogue::menus()) {
        for (const Item& item : m.items) {
            if (item.heading()) continue;
            const bool overseas_plain = item.array >= 3507 && item.array <= 3512;
            EXPECT_EQ(item.tooltip != nullptr, std::string(m.bar) == "Frame2" && !overseas_plain)
                << item.array << " " << item.name;
            if (item.prompt) translations.push_back(item.array * 10 + m.logo_member);
            const std::string target = item.target;
            if (target.find("://") == std::string::npos) {
                ++bare;
                EXPECT_EQ(target.find('/'), std::string::npos) << target;
            }
        }
    }
    EXPECT_EQ(translations, (std::vector<int>{35130, 35140, 35150, 35160}));
    EXPECT_EQ(bare, 3);
    EXPECT_STREQ(catalogue::entry(3103, 0)->tooltip,
                 "⊙ 컬러 머니뉴스 강한 경제신문 \"머니투데이\"");
    EXPECT_STREQ(catalogue::entry(3004, 0)->tooltip, catalogue::entry(3400, 0)->tooltip);
    EXPECT_STRNE(catalogue::entry(3004, 0)->target, catalogue::entry(3400, 0)->target);
    EXPECT_STREQ(catalogue::entry(3515, 0)->prompt, "[일본] 닛케이스포츠 실시간 번역");
}

}  // namespace
}  // namespace presslane
