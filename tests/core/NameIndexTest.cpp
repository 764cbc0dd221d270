// The name index replaced scans of the lists; it must answer exactly as a
// scan does, whatever the names and whatever order they are asked in.

#include "model/NameIndex.h"
#include "ldf/ShortText.h"
#include "model/NameList.h"
#include "reader/ListIndexes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <set>

namespace {

// Names that repeat often, of every length a lookup treats differently
// (empty, short enough to be stored inline, long).
std::vector<std::string> GeneratedNames(std::mt19937& random, std::size_t count)
{
    std::uniform_int_distribution<int> length(0, 24);
    std::uniform_int_distribution<int> letter(0, 2);
    std::vector<std::string> names;
    for (std::size_t i = 0; i < count; ++i) {
        std::string name(static_cast<std::size_t>(length(random)), 'a');
        for (char& c : name)
            c = static_cast<char>('a' + letter(random));
        names.push_back(name.size() > 6 ? name : name + std::to_string(i % 97));
    }
    return names;
}

int ScannedFirst(const OwnedList<LinSignal>& list, const std::string& name)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i]->name == name)
            return static_cast<int>(i);
    return -1;
}

int ScannedCount(const OwnedList<LinSignal>& list, const std::string& name)
{
    return static_cast<int>(
        std::count_if(list.begin(), list.end(), [&](const auto& signal) { return signal->name == name; }));
}

// Both kinds of index built from a list: the one that keeps copies of the
// names and the one that reads them in the records.
template <typename Index> void ExpectAnswersAsAScanOfTheList()
{
    std::mt19937 random(4);
    // 12 records are as many as the smallest table is sized for; 13 one more.
    for (std::size_t size : {0u, 1u, 7u, 12u, 13u, 100u, 5000u}) {
        SCOPED_TRACE(size);
        OwnedList<LinSignal> list;
        for (const std::string& name : GeneratedNames(random, size))
            list.Append(std::make_unique<LinSignal>(name));
        const Index index(list);

        // In list order (the order loops mostly ask in), then shuffled, then names not there.
        std::vector<std::string> asked;
        for (const auto& signal : list)
            asked.push_back(signal->name);
        std::vector<std::string> shuffled = asked;
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        asked.insert(asked.end(), shuffled.begin(), shuffled.end());
        for (const std::string& name : GeneratedNames(random, 200))
            asked.push_back(name + "?");
        for (const std::string& name : asked) {
            ASSERT_EQ(ScannedFirst(list, name) >= 0, index.Contains(name)) << name;
            ASSERT_EQ(ScannedFirst(list, name), index.FirstPosition(name)) << name;
            ASSERT_EQ(ScannedCount(list, name), index.Count(name)) << name;
        }
    }
}

TEST(NameIndex, AnswersAsAScanOfTheList) { ExpectAnswersAsAScanOfTheList<NameIndex>(); }

TEST(RecordNameIndex, AnswersAsAScanOfTheList) { ExpectAnswersAsAScanOfTheList<RecordNameIndex>(); }

TEST(NameIndex, InsertTakesOnlyNewNamesAtTheNextPosition)
{
    std::mt19937 random(11);
    OwnedList<LinSignal> list;
    for (const std::string& name : GeneratedNames(random, 300))
        list.Append(std::make_unique<LinSignal>(name));
    NameIndex index(list);
    std::set<std::string> names;
    for (const auto& signal : list)
        names.insert(signal->name);

    // A list that takes a record only under a new name, as the reader's lists do.
    int nextPosition = static_cast<int>(list.size());
    for (const std::string& name : GeneratedNames(random, 3000)) {
        const bool isNew = names.insert(name).second;
        ASSERT_EQ(isNew, index.Insert(name)) << name;
        if (isNew) {
            ASSERT_EQ(nextPosition++, index.FirstPosition(name)) << name;
            ASSERT_EQ(1, index.Count(name)) << name;
        }
    }
}

TEST(NameIndex, LooksUpViewsIntoALongerText)
{
    NameIndex index;
    const std::string text = "Motor,MotorSpeed,Mot";
    ASSERT_TRUE(index.Insert(std::string_view(text).substr(6, 10)));
    EXPECT_FALSE(index.Contains(std::string_view(text).substr(0, 5)));
    EXPECT_TRUE(index.Insert(std::string_view(text).substr(0, 5)));
    EXPECT_EQ(1, index.FirstPosition("Motor"));
    EXPECT_EQ(0, index.FirstPosition(std::string_view(text).substr(6, 10)));
    EXPECT_EQ(-1, index.FirstPosition(std::string_view(text).substr(17)));
    EXPECT_EQ(0, index.Count(std::string_view(text).substr(16, 3)));
    EXPECT_FALSE(index.Insert("MotorSpeed"));
}

// Names are read a word at a time; every character of every length must
// still count, in the comparison and in the hash.
TEST(ShortText, EveryCharacterTellsTextsApart)
{
    const std::string text = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGH";
    for (std::size_t size = 0; size <= 40; ++size) {
        const std::string_view one = std::string_view(text).substr(3, size);
        const std::string copy(one);
        EXPECT_TRUE(SameText(one, copy)) << size;
        EXPECT_EQ(HashText(one), HashText(copy)) << size;
        for (std::size_t at = 0; at < size; ++at) {
            std::string other = copy;
            other[at] = '#';
            EXPECT_FALSE(SameText(one, other)) << size << " " << at;
            EXPECT_NE(HashText(one), HashText(other)) << size << " " << at;
        }
        EXPECT_FALSE(SameText(one, std::string_view(text).substr(3, size + 1))) << size;
    }
}

TEST(NameIndex, EmptyIndexHoldsNothing)
{
    const NameIndex index;
    EXPECT_FALSE(index.Contains(""));
    EXPECT_EQ(-1, index.FirstPosition("A"));
    EXPECT_EQ(0, index.Count("A"));
}

// The reader's index looks names up in the records of its list: it must
// take the names a list appended, with or without it, and keep the names
// of records given back taken, as a set of every name inserted would, also
// once it let its slots go while the reader was far from the list.
TEST(ListIndexes, TakeEveryNameTheListHadDuringTheRead)
{
    std::mt19937 random(23);
    OwnedList<LinSignal> list;
    for (const std::string& name : GeneratedNames(random, 50))
        list.Append(std::make_unique<LinSignal>(name));
    ListIndexes indexes;
    std::set<std::string> taken;
    std::set<std::string> givenBack;
    for (const auto& signal : list)
        taken.insert(signal->name);

    std::size_t position = 0;
    std::uniform_int_distribution<int> action(0, 9);
    for (const std::string& name : GeneratedNames(random, 4000)) {
        RecordNameIndex& index = indexes.Of(list);
        switch (action(random)) {
        case 0:  // appended by another way; the index takes it when asked for next
            list.Append(std::make_unique<LinSignal>(name));
            taken.insert(name);
            break;
        case 1:  // the last records go back, their names stay taken
        {
            const std::size_t first = list.size() - std::min<std::size_t>(list.size(), 3);
            for (std::size_t i = first; i < list.size(); ++i)
                if (ScannedFirst(list, list[i]->name) >= static_cast<int>(first))
                    givenBack.insert(list[i]->name);
            indexes.GiveBack(list, first);
            break;
        }
        case 2:  // the next block is far on, or right after the last
            position += action(random) < 5 ? std::size_t{1} << 20 : 1;
            indexes.BlockStartsAt(position);
            break;
        default: {
            const bool isNew = taken.insert(name).second;
            ASSERT_EQ(isNew, index.Insert(name)) << name;
            if (isNew)
                list.Append(std::make_unique<LinSignal>(name));
        }
        }
        ASSERT_EQ(taken.count(name) != 0, indexes.Of(list).Contains(name)) << name;
        ASSERT_FALSE(indexes.Of(list).Contains(name + "?"));
        // The records of every name whose first record stayed, repeats included.
        if (givenBack.count(name) == 0) {
            ASSERT_EQ(ScannedFirst(list, name), indexes.Of(list).FirstPosition(name)) << name;
            ASSERT_EQ(ScannedCount(list, name), indexes.Of(list).Count(name)) << name;
        }
    }
    for (const std::string& name : taken) {
        ASSERT_TRUE(indexes.Of(list).Contains(name)) << name;
        if (givenBack.count(name) == 0) {
            ASSERT_EQ(ScannedCount(list, name), indexes.Of(list).Count(name)) << name;
        }
    }
}

}  // namespace

// A name must behave as its text does, whether the text lies inside it or
// in a block of its own, through copies and moves.
TEST(Name, BehavesAsItsText)
{
    std::mt19937 random(9);
    std::vector<std::string> texts = GeneratedNames(random, 3000);
    for (std::size_t length = 0; length <= 40; ++length)
        texts.push_back(std::string(length, 'n'));
    const NameList names(texts.begin(), texts.end());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ASSERT_EQ(texts[i], names[i].str());
        ASSERT_EQ(texts[i].size(), std::strlen(names[i].c_str()));
        ASSERT_EQ(texts[i].empty(), names[i].empty());
        ASSERT_TRUE(names[i] == texts[i] && texts[i] == names[i] && names[i] == std::string_view(texts[i]));
        const std::size_t other = (i * 7919) % texts.size();
        ASSERT_EQ(texts[i] == texts[other], names[i] == names[other]) << texts[i] << " " << texts[other];
        ASSERT_EQ(texts[i] < texts[other], names[i] < names[other]) << texts[i] << " " << texts[other];
        Name copy = names[other];
        copy = names[i];
        Name moved = std::move(copy);
        ASSERT_EQ(names[i], moved);
        ASSERT_TRUE(copy.empty());
        moved = Name(texts[other]);
        ASSERT_EQ(texts[other], moved.str());
    }
    EXPECT_EQ(Name(), Name(""));
    EXPECT_EQ("S1", Name("S1"));
    EXPECT_NE("S1", Name("S2"));
    EXPECT_EQ("S1:x", Name("S1") + ":x");
}

// A list keeps one name inside itself and more in an array: every change
// must leave it equal to a vector that took the same steps, across that line.
TEST(NameList, ChangesAsAVectorOfNames)
{
    std::mt19937 random(11);
    const std::vector<std::string> texts = GeneratedNames(random, 64);
    NameList list;
    std::vector<std::string> expected;
    const auto same = [&] { return list == expected && TextsOf(list) == expected; };
    for (int step = 0; step < 4000; ++step) {
        const std::string& text = texts[random() % texts.size()];
        const std::size_t at = expected.empty() ? 0 : random() % expected.size();
        switch (random() % 7) {
        case 0:
        case 1:
            list.push_back(text);
            expected.push_back(text);
            break;
        case 2:
            list.insert(list.begin() + at, text);
            expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(at), text);
            break;
        case 3:
            if (!expected.empty()) {
                list.erase(list.begin() + at);
                expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(at));
            }
            break;
        case 4:
            list.shrink_to_fit();
            break;
        case 5: {
            NameList copy = list;
            list = NameList();
            ASSERT_TRUE(list.empty());
            list = std::move(copy);
            ASSERT_TRUE(copy.empty());
            break;
        }
        default:
            list.resize(at);
            expected.resize(at);
        }
        ASSERT_TRUE(same()) << "step " << step;
    }
    EXPECT_TRUE(ListsName(NamesOf({"A", "B"}), "B"));
    EXPECT_FALSE(ListsName(NamesOf({"A"}), "B"));
}
