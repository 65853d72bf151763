#pragma once

#include <functional>

// What the drawing classes need of a place they paint on: its client size
// and a way to have it repainted at once. The windows hand in their strips
// and plot area; the image renderer and the tests hand in plain sizes.
class TPaintArea {
public:
    virtual ~TPaintArea() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void Repaint() = 0;
    // The area paints every one of its pixels, so nothing erases it first.
    virtual void SetOpaque() {}
};

// An area of a fixed size that counts its repaint requests.
class TFixedArea : public TPaintArea {
public:
    TFixedArea(int width = 0, int height = 0) : width(width), height(height) {}
    int Width() const override { return width; }
    int Height() const override { return height; }
    void Repaint() override { ++repaints; }
    void SetOpaque() override { opaque = true; }

    int width;
    int height;
    int repaints = 0;
    bool opaque = false;
};

// The scroll area around a plot area: ranges (the plot's size in pixels),
// positions and line steps of its two scroll bars, its full size (frame and
// scroll bars included) and its client size.
class TScrollArea {
public:
    virtual ~TScrollArea() = default;

    virtual int HorzRange() const = 0;
    virtual int HorzPosition() const = 0;
    virtual void SetHorzRange(int range) = 0;
    virtual void SetHorzLineStep(int step) = 0;
    virtual void SetHorzVisible(bool visible) = 0;

    virtual int VertRange() const = 0;
    virtual int VertPosition() const = 0;
    virtual void SetVertRange(int range) = 0;
    virtual void SetVertLineStep(int step) = 0;

    virtual int FullWidth() const = 0;
    virtual int FullHeight() const = 0;
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
};

// A scroll area without a widget: scroll bars of a fixed thickness appear
// when the range exceeds the client extent, as a platform scroll box does.
class TScrollModel : public TScrollArea {
public:
    explicit TScrollModel(int fullWidth = 0, int fullHeight = 0, int barExtent = 16);

    int HorzRange() const override { return FHorzRange; }
    int HorzPosition() const override { return FHorzPos; }
    void SetHorzRange(int range) override;
    void SetHorzLineStep(int step) override { FHorzStep = step; }
    void SetHorzVisible(bool visible) override;

    int VertRange() const override { return FVertRange; }
    int VertPosition() const override { return FVertPos; }
    void SetVertRange(int range) override;
    void SetVertLineStep(int step) override { FVertStep = step; }

    int FullWidth() const override { return FFullWidth; }
    int FullHeight() const override { return FFullHeight; }
    int ClientWidth() const override { return FClientWidth; }
    int ClientHeight() const override { return FClientHeight; }

    // Positions are kept within 0 .. range - client extent.
    void SetHorzPosition(int pos);
    void SetVertPosition(int pos);

    int HorzLineStep() const { return FHorzStep; }
    int VertLineStep() const { return FVertStep; }
    bool HorzAllowed() const { return FHorzAllowed; }
    bool HorzBarShown() const { return FHorzShown; }
    bool VertBarShown() const { return FVertShown; }
    int BarExtent() const { return FBar; }
    int HorzMaxPosition() const;
    int VertMaxPosition() const;

private:
    void Layout();

    int FFullWidth;
    int FFullHeight;
    int FBar;
    int FClientWidth = 0;
    int FClientHeight = 0;
    int FHorzRange = 0;
    int FVertRange = 0;
    int FHorzPos = 0;
    int FVertPos = 0;
    int FHorzStep = 0;
    int FVertStep = 0;
    bool FHorzAllowed = true;
    bool FHorzShown = false;
    bool FVertShown = false;
};

// The plot area inside a scroll area: as large as the ranges, and at least
// as large as the client area.
class TScrolledPlotArea : public TPaintArea {
public:
    explicit TScrolledPlotArea(const TScrollArea* scroll, std::function<void()> repaint = {})
        : FScroll(scroll), FRepaint(std::move(repaint)) {}
    int Width() const override;
    int Height() const override;
    void Repaint() override {
        ++repaints;
        if (FRepaint)
            FRepaint();
    }

    int repaints = 0;

private:
    const TScrollArea* FScroll;
    std::function<void()> FRepaint;
};
