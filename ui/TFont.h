#pragma once
#include <QColor>
#include <QFont>
#include <QStringList>
#include <optional>

// A control's font as the window describes it: a face with the faces to use
// where it is missing, a height in the platform's logical convention (negative:
// character height in pixels; positive: cell height in pixels), a weight and
// a colour (none: the window-text colour of the platform).
struct TFont {
    QStringList faces;
    int height = -11;
    bool bold = false;
    std::optional<QColor> color;
    bool fixedPitch = false;

    QFont ToQFont() const;
};
