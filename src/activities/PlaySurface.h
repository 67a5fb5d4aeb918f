#pragma once

class QRect;
class QWidget;

// What a play mode draws on and reports to: the play view, as the modes see it.
class PlaySurface
{
public:
    // The window the mode draws in: its size bounds every drawing, and drawing threads repaint
    // it.
    virtual QWidget* widget() = 0;
    // For a mode that draws by itself: the key press it was drawing is done.
    virtual void ClearKeyPending() = 0;
    // A mode that draws by itself changed this part of its surface: repaint it without a
    // drawing of the mode. UI thread.
    virtual void updateSurface(const QRect& rect) = 0;

protected:
    ~PlaySurface() = default;
};
