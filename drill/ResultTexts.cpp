#include "ResultTexts.h"

ResultTexts &resultTexts()
{
    static ResultTexts texts;
    return texts;
}
