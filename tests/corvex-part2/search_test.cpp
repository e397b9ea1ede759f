// Finding and replacing through the control's messages: its case, whole-word and
// preserve-case options, the replace request, ANSI texts, and find next and previous
// with the text of the find history.
#include "control_fixture.h"

namespace {

class SearchTest : public ControlTest {
protected:
    void Options(bool caseSensitive, bool wholeWord, bool preserveCase = false) const
    {
        Send(corvex::SetCaseSensitive, caseSensitive);
        Send(corvex::SetWholeWord, wholeWord);
        Send(corvex::SetPreserveCase, preserveCase);
    }
    int Start() const
    {
        int record[4];
        Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
        return record[0];
    }
    // Where repeated searches forwards stop, from the start until they come round again.
    std::vector<int> Matches(const char* text) const
    {
        Select(0, 0);
        std::vector<int> starts;
        while (Send(corvex::FindText, 0, reinterpret_cast<LPARAM>(text))) {
            if (!starts.empty() && Start() == starts.front())
                break;
            starts.push_back(Start());
            if (starts.size() > 20)
                break;
        }
        return starts;
    }
    int ReplaceAll(const char* text, const char* replacement, bool inSelection = false) const
    {
        const corvex::ReplaceRequest request = {text, replacement, 1, inSelection ? 1 : 0};
        return static_cast<int>(Send(corvex::ReplaceText, 0, reinterpret_cast<LPARAM>(&request)));
    }
};

constexpr const char* kSample = "Word word words WORD sword word";

TEST_F(SearchTest, FindHonoursCaseAndWholeWord)
{
    Type(kSample);
    Options(false, false);
    EXPECT_EQ(Matches("word"), (std::vector<int>{0, 5, 10, 16, 22, 27}));
    Options(true, false);
    EXPECT_EQ(Matches("word"), (std::vector<int>{5, 10, 22, 27}));
    Options(false, true);
    EXPECT_EQ(Matches("word"), (std::vector<int>{0, 5, 16, 27}));
    Options(true, true);
    EXPECT_EQ(Matches("word"), (std::vector<int>{5, 27}));
    EXPECT_EQ(Send(corvex::FindText, 0, reinterpret_cast<LPARAM>("absent")), 0);
}

// The messages' texts are ANSI: a character beyond ASCII is found in a UTF-8 document,
// and one the code page lacks is in no such text at all.
TEST_F(SearchTest, TheMessagesTakeAnsiTextAndFindItInAUtf8Document)
{
    if (GetACP() != 1252)
        GTEST_SKIP() << "the texts below are Windows-1252";
    Type("caf\xC3\xA9 and caf\xC3\xA9");
    Options(false, false);
    EXPECT_EQ(Matches("caf\xE9"), (std::vector<int>{0, 10}));
    EXPECT_EQ(ReplaceAll("caf\xE9", "na\xEFve"), 2);
    EXPECT_EQ(Text(), "na\xC3\xAFve and na\xC3\xAFve");
}

TEST_F(SearchTest, FindPreviousStepsBackwardsAndWraps)
{
    Type(kSample);
    Options(true, true);
    Select(27, 31);
    Send(corvex::FindText, 1, reinterpret_cast<LPARAM>("word"));
    EXPECT_EQ(Start(), 5);
    Send(corvex::FindText, 1, reinterpret_cast<LPARAM>("word"));
    EXPECT_EQ(Start(), 27);
}

TEST_F(SearchTest, FindNextAndPreviousCommandsUseTheNewestFindText)
{
    Type(kSample);
    Options(true, true);
    CorvexSetHistory("word\nother", 1);
    Select(0, 0);
    Send(corvex::Command, corvex::CmdFindNext);
    EXPECT_EQ(Start(), 5);
    Send(corvex::Command, corvex::CmdFindNext);
    EXPECT_EQ(Start(), 27);
    Send(corvex::Command, corvex::CmdFindPrevious);
    EXPECT_EQ(Start(), 5);
}

// The request's in-selection field and the preserve-case option reach the replacement.
TEST_F(SearchTest, ReplaceAllInTheSelectionWithPreserveCase)
{
    Type(kSample);
    Options(false, false, true);
    Select(5, 20);
    EXPECT_EQ(ReplaceAll("word", "w", true), 3);
    EXPECT_EQ(Text(), "Word w ws W sword word");
    Send(corvex::Undo);
    EXPECT_EQ(Text(), kSample);
    Select(5, 20);
    Options(false, false, false);
    EXPECT_EQ(ReplaceAll("word", "w", true), 3);
    EXPECT_EQ(Text(), "Word w ws w sword word");
    int record[4];
    Send(corvex::GetPosition, 0, reinterpret_cast<LPARAM>(record));
    EXPECT_EQ(record[0], 5);
    EXPECT_EQ(record[1], 11);
}

TEST_F(SearchTest, ReplaceChangesOnlyASelectionThatIsAMatch)
{
    Type(kSample);
    Options(true, false, false);
    corvex::ReplaceRequest request = {"word", "WORD!", 0, 0};
    Select(0, 4); // "Word": no match with case sensitivity
    EXPECT_EQ(Send(corvex::ReplaceText, 0, reinterpret_cast<LPARAM>(&request)), 0);
    EXPECT_EQ(Text(), kSample);
    Select(5, 9);
    EXPECT_EQ(Send(corvex::ReplaceText, 0, reinterpret_cast<LPARAM>(&request)), 1);
    EXPECT_EQ(Text(), "Word WORD! words WORD sword word");
}

} // namespace
