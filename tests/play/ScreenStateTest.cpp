// The presenter tells the view the whole screen once, then only what differs from what it told
// last.

#include "FakeView.h"
#include "play/ScreenPresenter.h"

#include <gtest/gtest.h>

namespace trevallion {
namespace {

TEST(ScreenPresenter, TellsEverythingOnceThenOnlyWhatDiffers) {
    testing::FakeView view;
    ScreenState screen;
    ScreenPresenter presenter(view, [&screen] { return screen; });
    presenter.Present();
    EXPECT_EQ(view.events, (std::vector<std::string>{"cursor 0", "look", "marks", "title "}));
    EXPECT_EQ(view.checks.size(), CheckedItems.size());
    EXPECT_EQ(view.enabled.size(), EnabledItems.size());

    view.ClearRecords();
    view.checks.clear();
    view.enabled.clear();
    presenter.Present();
    screen.cursor = CursorSide::PlayerTwo;
    screen.checked.Set(CommandId::ShowMoves, true);
    screen.status = ShownText::Translated("Player 2 to move");
    presenter.Present();
    EXPECT_EQ(view.events, std::vector<std::string>{"cursor 2"});
    EXPECT_EQ(view.checks, (std::map<int, bool>{{static_cast<int>(CommandId::ShowMoves), true}}));
    EXPECT_TRUE(view.enabled.empty());
    EXPECT_EQ(view.statuses, (std::vector<std::string>{"", "Player 2 to move"}));
}

} // namespace
} // namespace trevallion
