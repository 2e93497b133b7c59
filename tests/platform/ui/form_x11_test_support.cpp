// The X11 form fixture: the test's form is freed after each test.
#include "form_x11_test_support.h"

void TFormX11Test::TearDown()
{
    delete form_;
    Pump();
    TX11Test::TearDown();
}
