#include "view/Cpaintarea.h"

#include <algorithm>

TScrollModel::TScrollModel(int fullWidth, int fullHeight, int barExtent)
    : FFullWidth(fullWidth), FFullHeight(fullHeight), FBar(barExtent) {
    Layout();
}

void TScrollModel::SetHorzRange(int range) {
    FHorzRange = range;
    Layout();
}

void TScrollModel::SetHorzVisible(bool visible) {
    FHorzAllowed = visible;
    Layout();
}

void TScrollModel::SetVertRange(int range) {
    FVertRange = range;
    Layout();
}

void TScrollModel::SetHorzPosition(int pos) {
    FHorzPos = std::clamp(pos, 0, HorzMaxPosition());
}

void TScrollModel::SetVertPosition(int pos) {
    FVertPos = std::clamp(pos, 0, VertMaxPosition());
}

int TScrollModel::HorzMaxPosition() const {
    return FHorzShown ? std::max(FHorzRange - FClientWidth, 0) : 0;
}

int TScrollModel::VertMaxPosition() const {
    return FVertShown ? std::max(FVertRange - FClientHeight, 0) : 0;
}

void TScrollModel::Layout() {
    // A bar takes room from the other direction, which can make the other
    // bar necessary in turn; two rounds settle it.
    bool horz = false;
    bool vert = false;
    for (int round = 0; round < 2; ++round) {
        const int w = FFullWidth - (vert ? FBar : 0);
        const int h = FFullHeight - (horz ? FBar : 0);
        horz = FHorzAllowed && FHorzRange > w;
        vert = FVertRange > h;
    }
    FHorzShown = horz;
    FVertShown = vert;
    FClientWidth = std::max(FFullWidth - (vert ? FBar : 0), 0);
    FClientHeight = std::max(FFullHeight - (horz ? FBar : 0), 0);
    FHorzPos = std::clamp(FHorzPos, 0, HorzMaxPosition());
    FVertPos = std::clamp(FVertPos, 0, VertMaxPosition());
}

int TScrolledPlotArea::Width() const {
    return std::max(FScroll->HorzRange(), FScroll->ClientWidth());
}

int TScrolledPlotArea::Height() const {
    return std::max(FScroll->VertRange(), FScroll->ClientHeight());
}
