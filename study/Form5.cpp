#include "Form5.h"

Form5::Form5(Platform &) {}

void Form5::showWindow()
{
    show();
}
