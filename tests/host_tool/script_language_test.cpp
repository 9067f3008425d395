// The session language's words and arguments: how a line splits, and how
// each kind of argument reads or names what was wrong.
#include <gtest/gtest.h>

#include <cstdlib>

#include "session_engine/session/arguments.h"
#include "session_engine/session/nearest_word.h"
#include "session_engine/session/script_words.h"
#include "session_engine/session/session_error.h"

namespace host_tool {
namespace {

using Words = std::vector<std::string>;

TEST(ScriptWords, SplitLikeAShell) {
    const struct {
        const char* line;
        Words words;
    } cases[] = {
        {"", {}},
        {"   # only a comment", {}},
        {"click right set 1", {"click", "right", "set", "1"}},
        {"  select\tvertices 0-3  # the corner", {"select", "vertices", "0-3"}},
        {"mesh grid \"two words\" 2 2", {"mesh", "grid", "two words", "2", "2"}},
        {"open \"a#b.obj\"", {"open", "a#b.obj"}},
        {"expect objects = \"\"", {"expect", "objects", "=", ""}},
        {"draw\r", {"draw"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitWords(c.line), c.words) << c.line;
}

TEST(ScriptWords, AQuoteLeftOpenIsAnError) {
    EXPECT_THROW(SplitWords("mesh grid \"plate 2 2"), SessionError);
}

Arguments Args(Words words) { return Arguments("cmd", std::move(words), "cmd ARGS"); }

TEST(Arguments, IndexListsTakeNumbersAndRanges) {
    Arguments args = Args({"3", "0-2", "7-7"});
    EXPECT_EQ(args.IndexList("vertices"), (std::vector<int>{3, 0, 1, 2, 7}));
    EXPECT_FALSE(args.More());
}

TEST(Arguments, BadWordsNameWhatWasExpected) {
    const struct {
        Words words;
        const char* message;
    } cases[] = {
        {{"two"}, "cmd: \"two\" is not an index or a range like 0-5 (vertices) (usage: cmd ARGS)"},
        {{"3-1"}, "\"3-1\" is not an index"},
        {{"-1"}, "\"-1\" is not an index"},
        {{"0-99999999"}, "longer range"},
        {{}, "missing vertices"},
    };
    for (const auto& c : cases) {
        Arguments args = Args(c.words);
        try {
            args.IndexList("vertices");
            ADD_FAILURE() << "no error for " << testing::PrintToString(c.words);
        } catch (const SessionError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
}

// A path that starts with "~" starts in the user's home folder, as in a
// shell; a "~" further on is part of the name.
TEST(Arguments, PathsStartingWithATildeStartAtHome) {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') home = std::getenv("USERPROFILE");
    ASSERT_NE(home, nullptr) << "the test needs HOME or USERPROFILE";
    Arguments args("open", {"~/models/a.obj", "~", "a~b.obj", "~other/x.obj"}, "open FILE");
    EXPECT_EQ(args.Path("OBJ file"), std::string(home) + "/models/a.obj");
    EXPECT_EQ(args.Path("OBJ file"), std::string(home));
    EXPECT_EQ(args.Path("OBJ file"), "a~b.obj");
    EXPECT_EQ(args.Path("OBJ file"), "~other/x.obj");
}

// A mistyped word is offered its nearest known one, if it is near.
TEST(NearestWord, OffersOnlyASlipOfTheHand) {
    const std::vector<std::string> commands = {"draw", "deselect", "render", "activate", "exit"};
    EXPECT_EQ(NearestWord("drwa", commands), "draw");
    EXPECT_EQ(NearestWord("rendr", commands), "render");
    EXPECT_EQ(NearestWord("actvate", commands), "activate");
    EXPECT_EQ(NearestWord("zoom", commands), "");
    EXPECT_EQ(DidYouMean("exti", commands), "; did you mean \"exit\"?");
    EXPECT_EQ(DidYouMean("bogus", commands), "");
}

TEST(Arguments, NumbersChoicesAndSwitches) {
    Arguments args = Args({"-2.5", "12", "lines", "off", "yes", "x"});
    EXPECT_EQ(args.Number("x"), -2.5);
    EXPECT_EQ(args.Int("n"), 12);
    EXPECT_EQ(args.Choice("kind", {"vertices", "lines", "faces"}), 1);
    EXPECT_FALSE(args.OnOff("state"));
    EXPECT_TRUE(args.OnOff("state"));
    EXPECT_THROW(args.End(), SessionError);
    EXPECT_THROW(args.Int("n"), SessionError);
    EXPECT_THROW(Args({"1e999"}).Number("x"), SessionError);
    EXPECT_THROW(Args({"edges"}).Choice("kind", {"vertices"}), SessionError);
}

TEST(Arguments, TranscriptTextIsBuiltPieceByPiece) {
    EXPECT_EQ(Quoted("plate"), "\"plate\"");
    EXPECT_EQ(IndexText({0, 5, 12}), "0 5 12");
    EXPECT_EQ(LineText({{3, 1}, {4, 0}}), "3:1 4:0");
    EXPECT_EQ(NumberText(0.5), "0.5");
    EXPECT_EQ(NumberText(-0.0), "0");
    EXPECT_EQ(NumberText(127.0 / 255.0), "0.498039");
}

}  // namespace
}  // namespace host_tool
