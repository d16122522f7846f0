// The backdrop behind a panel's rows, and the menu logo kept clear of panels.
#include "panels/PanelLayout.h"
#include "panels/StatusScreen.h"

#include <gtest/gtest.h>

TEST(PanelLayout, BackdropHoldsTitleRowsAndLiveValues) {
    float energy = 5, most = 10;
    int quit = 0;
    StatusScreen s("Relay", vec3(0));
    s.addLabel(SLabel("Energy", &energy, &most, 1));
    s.addButton(SButton("Quit", {{0, "button"}}, &quit, 2, 0));
    PanelBox b = panelBackdrop(s);
    EXPECT_LT(b.left, 5.0f);
    EXPECT_GT(b.top, 83.0f + 5);        // the title stands above the first row
    EXPECT_LT(b.bottom, 78.0f - 3);     // the second row's widget hangs 3 below its y
    EXPECT_GE(b.right, 50.0f);          // the widget column
    EXPECT_LT(b.right, 60.0f);
    energy = 123456.5f;
    most = 1234567;
    EXPECT_GT(panelBackdrop(s).right, 30 + 1.8f * 15) << "a longer value widens it";

    // A refused value's reason is inside the backdrop, so the menu hides the logo behind it.
    s.addBox(SNumBox("X Resolution", "12345", false));
    float plain = panelBackdrop(s).right;
    s.boxes.back().problem = "must be 320 to 7680";
    EXPECT_GT(panelBackdrop(s).right, plain);
    EXPECT_GE(panelBackdrop(s).right, HINT_X + 1.8f * 19);

    // A scrolled panel is clipped to the window.
    for (int i = 0; i < 30; i++) s.addButton(SButton("row", {{0, "button"}}, &quit, 2, 0));
    s.setOffset(100);
    PanelBox scrolled = panelBackdrop(s);
    EXPECT_LE(scrolled.top, 100.0f);
    EXPECT_GE(scrolled.bottom, 0.0f);
}
