// The screen as a value: the cursor each phase of the match shows (and a saved game keeps), and
// the presenter telling the view only what differs from what it told last.

#include "BoardText.h"
#include "FakeView.h"
#include "play/ScreenPresenter.h"

#include <gtest/gtest.h>

namespace trevallion {
namespace {

TEST(ScreenOf, CursorNamesTheSideToMoveWhileALevelIsUnderWay) {
    Match ready;
    ready.SetUpLevel(2);
    Match playing = ready;
    playing.GameTick();
    playing.PlayTurn(std::nullopt); // Player 1 passes
    Match asked = playing;
    asked.AskDoodle();
    Match decided = playing;
    decided.Load(testing::BoardFromRows("15 16 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                        "0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"
                                        "0 3 0 0 0 0 0\n"),
                 Side::PlayerOne, 7);
    ASSERT_EQ(decided.Decide(RepetitionRule::PlayOn).outcome, Outcome::Won);
    Match askedDecided = decided;
    askedDecided.AskDoodle();
    const std::pair<const Match*, CursorSide> cases[] = {{&ready, CursorSide::PlayerOne},
                                                         {&playing, CursorSide::PlayerTwo},
                                                         {&asked, CursorSide::PlayerTwo},
                                                         {&decided, CursorSide::Neutral},
                                                         {&askedDecided, CursorSide::Neutral}};
    EXPECT_EQ(ScreenOf(Match{}, {}, std::nullopt).cursor, CursorSide::Neutral);
    for (const auto& [match, cursor] : cases) {
        EXPECT_EQ(ScreenOf(*match, {}, std::nullopt).cursor, cursor)
            << static_cast<int>(match->CurrentPhase());
    }
}

TEST(ScreenPresenter, TellsEverythingOnceThenOnlyWhatDiffers) {
    testing::FakeView view;
    ScreenPresenter presenter(view);
    ScreenState screen;
    presenter.Present(screen);
    EXPECT_EQ(view.events, (std::vector<std::string>{"cursor 0", "look", "marks"}));
    EXPECT_EQ(view.checks.size(), CheckedItems.size());
    EXPECT_EQ(view.enabled.size(), EnabledItems.size());

    view.ClearRecords();
    view.checks.clear();
    view.enabled.clear();
    presenter.Present(screen);
    screen.cursor = CursorSide::PlayerTwo;
    screen.checked.Set(CommandId::ShowMoves, true);
    screen.status = ShownText::Translated("Player 2 to move");
    presenter.Present(screen);
    EXPECT_EQ(view.events, std::vector<std::string>{"cursor 2"});
    EXPECT_EQ(view.checks, (std::map<int, bool>{{static_cast<int>(CommandId::ShowMoves), true}}));
    EXPECT_TRUE(view.enabled.empty());
    EXPECT_EQ(view.statuses, (std::vector<std::string>{"", "Player 2 to move"}));
}

} // namespace
} // namespace trevallion
