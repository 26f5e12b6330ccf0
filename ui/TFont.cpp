#include "ui/TFont.h"

QFont TFont::ToQFont() const {
    QFont font;
    font.setFamilies(faces);
    font.setStyleHint(fixedPitch ? QFont::Monospace : QFont::SansSerif);
    font.setFixedPitch(fixedPitch);
    // A cell height holds the internal leading too; the glyphs take about
    // four fifths of it.
    font.setPixelSize(height < 0 ? -height : height * 4 / 5);
    font.setBold(bold);
    return font;
}
