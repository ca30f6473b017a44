#include "Form4.h"

Form4::Form4(Platform &) {}
