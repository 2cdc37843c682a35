#pragma once

class TZeichenflaeche;

// Base of the interactive handles a selected figure shows.
class TGriff
{
public:
    virtual ~TGriff() = default;
    virtual void Zeichnen(TZeichenflaeche *zf) = 0;
    // True when the pixel point lies on the handle.
    virtual bool Getroffen(TZeichenflaeche *zf, int x, int y) const = 0;
};
