#include "files/Cmonthdisplay.h"

#include <cstdlib>
#include <utility>

void MonthDisplay::ToggleMark(uint16_t m) {
    if (m == markStart) {
        markStart = NoMark;
    } else if (m == markEnd) {
        markEnd = NoMark;
    } else if (BothMarks()) {
        if (std::abs(int(m) - int(markStart)) <= std::abs(int(m) - int(markEnd)))
            markStart = m;
        else
            markEnd = m;
    } else if (!HasStart()) {
        markStart = m;
    } else {
        markEnd = m;
    }
    if (BothMarks() && markStart > markEnd)
        std::swap(markStart, markEnd);
}
