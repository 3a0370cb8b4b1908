#include "tests/support/display_test.h"

#include "media/platform/display.h"

void DisplayTest::SetUp()
{
    ASSERT_NE(OpenDisplay(Width, Height, 0, 0, 2), nullptr) << DisplayError();
}

void DisplayTest::TearDown()
{
    CloseDisplay();
}
