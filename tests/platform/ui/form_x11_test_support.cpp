// Frees the form a test on the X display made, before the display goes.
#include "form_x11_test_support.h"

void TFormX11Test::TearDown()
{
    delete form_;
    Pump();
    TX11Test::TearDown();
}
