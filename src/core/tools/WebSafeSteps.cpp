#include "core/tools/WebSafeSteps.h"

StepRange stepRange(int suggestion)
{
    switch (suggestion) {
    case 0:
        return {2, 4};
    case 51:
        return {1, 4};
    case 204:
        return {0, 3};
    case 255:
        return {0, 2};
    default:
        return {0, 4};
    }
}

int stepAfterDrag(int suggestion, int level, int p)
{
    if ((suggestion == 255 && p > level) || (suggestion == 0 && p < level))
        return level;
    return p;
}

Field nextField(Field current, bool leftInUse, bool rightInUse, bool centreInUse)
{
    switch (current) {
    case Field::big:
        if (leftInUse)
            return Field::left;
        return rightInUse ? Field::right : Field::big;
    case Field::left:
        return centreInUse ? Field::centre : Field::right;
    case Field::centre:
        return Field::right;
    case Field::right:
        break;
    }
    return Field::big;
}
