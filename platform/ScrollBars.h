#pragma once
// A window's own scroll bars: a horizontal bar along the bottom edge and a vertical bar along
// the right edge of a windowed control. A bar shows when the window has it and its range is not
// empty; a shown bar takes its room from the client area. The user's actions on a bar reach the
// control as WM_HSCROLL / WM_VSCROLL with the request (SB_*) in the low word of WParam and the
// thumb position in the high word; the bar's thumb moves only when the control sets its position.

#include "platform/Controls.h"

class QScrollBar;

// Thickness of a window scroll bar in pixels (the width of a vertical one).
int ScrollBarExtent();

class TWindowScrollBars {
public:
    explicit TWindowScrollBars(TWinControl* Control);
    ~TWindowScrollBars();
    TWindowScrollBars(const TWindowScrollBars&) = delete;
    TWindowScrollBars& operator=(const TWindowScrollBars&) = delete;

    // Whether the window has the bar at all (SB_HORZ, SB_VERT or SB_BOTH).
    void ShowScrollBar(int Bar, bool Show);
    void SetScrollRange(int Bar, int Min, int Max);
    void GetScrollRange(int Bar, int& Min, int& Max) const;
    // Clamped to the range; returns the previous position.
    int SetScrollPos(int Bar, int Pos);
    int GetScrollPos(int Bar) const;
    // Page size (SetScrollInfo's nPage): the thumb's share of the bar; 0 gives the smallest thumb.
    void SetScrollPage(int Bar, int Page);
    int GetScrollPage(int Bar) const { return BarOf(Bar).Page; }
    bool BarShowing(int Bar) const;
    // What is left of Full once the shown bars have taken their room.
    TRect ClientRect(const TRect& Full) const;
    // Places the bars on the control's edges; call after the control changed size.
    void Layout();
    // The bars sit inside a frame of this many pixels drawn around the window's client area.
    void SetFrame(int Width) { FFrame = Width; }
    // The bar's widget (tests drive it), made on first use.
    QScrollBar* Widget(int Bar);

private:
    struct TBar {
        bool Has = false;
        int Min = 0, Max = 0, Pos = 0, Page = 0;
        QScrollBar* Widget = nullptr;
    };
    TBar& BarOf(int Bar) { return Bar == SB_VERT ? FVert : FHorz; }
    const TBar& BarOf(int Bar) const { return Bar == SB_VERT ? FVert : FHorz; }
    void Send(int Bar, unsigned Code, int Pos);
    void Action(int Bar, int QtAction);
    void Changed(bool WasHorz, bool WasVert);
    void Sync(int Bar);

    TWinControl* FControl;
    TBar FHorz, FVert;
    int FFrame = 0;
};
