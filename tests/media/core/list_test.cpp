#include "media/core/list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Item {
    explicit Item(std::string n) : name(std::move(n)) {}
    std::string name;
};

using ItemPtr = std::shared_ptr<Item>;

std::vector<std::string> Names(List<Item>& list)
{
    std::vector<std::string> names;
    for (const ItemPtr& item : list)
        names.push_back(item->name);
    return names;
}

struct ListTest : testing::Test {
    ListTest()
    {
        for (const char* name : {"a", "b", "c", "d"}) {
            items.push_back(std::make_shared<Item>(name));
            ListAppend(list, items.back());
        }
    }
    List<Item> list;
    std::vector<ItemPtr> items;
};

}  // namespace

TEST_F(ListTest, WalksInOrderAndRemovesTheFirstMatchOnly)
{
    EXPECT_EQ(Names(list), (std::vector<std::string> {"a", "b", "c", "d"}));
    ListAppend(list, items[1]);
    EXPECT_EQ(ListCount(list), 5);
    EXPECT_EQ(ListRemove(list, items[1].get()), 1);
    EXPECT_EQ(Names(list), (std::vector<std::string> {"a", "c", "d", "b"}));
    Item stranger("x");
    EXPECT_EQ(ListRemove(list, &stranger), 0);
    ListClear(list);
    EXPECT_EQ(ListCount(list), 0);
    EXPECT_TRUE(Names(list).empty());
}

TEST_F(ListTest, TheElementJustHandedOutMayRemoveItself)
{
    std::vector<std::string> visited;
    for (const ItemPtr& item : list) {
        ListRemove(list, item.get());
        visited.push_back(item->name);  // still alive and still the same element
    }
    EXPECT_EQ(visited, (std::vector<std::string> {"a", "b", "c", "d"}));
    EXPECT_EQ(ListCount(list), 0);
}

TEST_F(ListTest, ElementsRemovedAheadOfTheWalkAreNotVisited)
{
    std::vector<std::string> visited;
    for (const ItemPtr& item : list) {
        visited.push_back(item->name);
        if (item->name == "a") {
            // A nested walk, as when a rule met during an update removes a later object.
            for (const ItemPtr& other : list)
                if (other->name == "c")
                    ListRemove(list, other.get());
        }
    }
    EXPECT_EQ(visited, (std::vector<std::string> {"a", "b", "d"}));
    EXPECT_EQ(Names(list), (std::vector<std::string> {"a", "b", "d"}));
}

TEST_F(ListTest, ARemovedElementStaysAliveWhileTheWalkHoldsIt)
{
    std::weak_ptr<Item> watch = items[0];
    items.clear();  // the list holds the only references now
    for (const ItemPtr& item : list) {
        if (item->name == "a") {
            ListClear(list);
            EXPECT_FALSE(watch.expired());
            EXPECT_EQ(item->name, "a");
        }
    }
    EXPECT_TRUE(watch.expired());
}

TEST_F(ListTest, ElementsAppendedDuringAWalkAreVisited)
{
    std::vector<std::string> visited;
    for (const ItemPtr& item : list) {
        visited.push_back(item->name);
        if (item->name == "d")
            ListAppend(list, std::make_shared<Item>("e"));
    }
    EXPECT_EQ(visited, (std::vector<std::string> {"a", "b", "c", "d", "e"}));
}

TEST_F(ListTest, TheElementInHandStaysPutWhileManyAreAppendedAndRemoved)
{
    int visited = 0;
    for (const ItemPtr& item : list) {
        ++visited;
        if (item->name == "b") {
            for (int i = 0; i < 1000; ++i)
                ListAppend(list, std::make_shared<Item>("new"));
            ListRemove(list, items[2].get());
            EXPECT_EQ(item->name, "b");
            EXPECT_EQ(item.get(), items[1].get());
        }
    }
    EXPECT_EQ(visited, 3 + 1000);
    EXPECT_EQ(ListCount(list), 1003);
    EXPECT_EQ(Names(list)[2], "d");
}

TEST_F(ListTest, RemovingDuringAWalkThenAppendingKeepsTheOrder)
{
    for (const ItemPtr& item : list)
        if (item->name == "b")
            ListRemove(list, item.get());
    ListAppend(list, items[1]);
    EXPECT_EQ(Names(list), (std::vector<std::string> {"a", "c", "d", "b"}));
    EXPECT_EQ(ListCount(list), 4);
}

TEST_F(ListTest, ContentSetAsideMidWalkComesBackAsTheWalkLeftIt)
{
    std::vector<std::string> visited;
    for (const ItemPtr& item : list) {
        visited.push_back(item->name);
        if (item->name != "b")
            continue;
        ListRemove(list, items[2].get());
        // Another content for a while, walked, changed and cleared, then the first back.
        List<Item> aside;
        list.ExchangeElements(aside);
        EXPECT_EQ(ListCount(list), 0);
        ListAppend(list, std::make_shared<Item>("x"));
        ListAppend(list, std::make_shared<Item>("y"));
        EXPECT_EQ(Names(list), (std::vector<std::string> {"x", "y"}));
        for (const ItemPtr& other : list)
            ListRemove(list, other.get());
        ListAppend(list, std::make_shared<Item>("z"));
        list.ExchangeElements(aside);
        EXPECT_EQ(Names(aside), (std::vector<std::string> {"z"}));
        EXPECT_EQ(item.get(), items[1].get());
    }
    EXPECT_EQ(visited, (std::vector<std::string> {"a", "b", "d"}));
    EXPECT_EQ(Names(list), (std::vector<std::string> {"a", "b", "d"}));
    EXPECT_EQ(ListCount(list), 3);
}
