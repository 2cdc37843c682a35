#pragma once
#include <functional>
#include <memory>
#include <vector>

class TFensterKontext;
class TGriff;
class TZeichenflaeche;
class TZeichenObjekt;

// A running mouse gesture that shows previews with the inverting pen. Each
// gesture owns what it shows and can be cancelled at any time; cancelling
// never touches the model or the call log.
class TGeste
{
public:
    explicit TGeste(TFensterKontext *kontext) : kontext_(kontext) {}
    virtual ~TGeste() = default;
    TGeste(const TGeste &) = delete;
    TGeste &operator=(const TGeste &) = delete;

    // Draws the previews that are currently shown once more (after the
    // cached sheet image was rebuilt underneath them).
    virtual void Nachzeichnen(TZeichenflaeche *zf) = 0;

protected:
    TFensterKontext *kontext_;
};

// Dragging the selected figures: one unnamed preview copy per figure
// follows the mouse; the figures themselves move only at the end.
class TObjekteZiehen : public TGeste
{
public:
    // Makes the copies of the selection (they are not drawn yet).
    explicit TObjekteZiehen(TFensterKontext *kontext);
    ~TObjekteZiehen() override;

    // Moves every copy from its offset (letzter - greif) to (neu - greif)
    // and shows it there; the first step also draws the copies for the
    // first time.
    void Schritt(double greifX, double greifY, double letzterX, double letzterY, double neuX,
                 double neuY);
    void Nachzeichnen(TZeichenflaeche *zf) override;
    bool Gezeichnet() const { return gezeichnet_; }
    const std::vector<std::unique_ptr<TZeichenObjekt>> &Kopien() const { return kopien_; }

private:
    std::vector<std::unique_ptr<TZeichenObjekt>> kopien_;
    bool gezeichnet_ = false;
};

// Drawing a new figure with a tool: the gesture owns the new figure until
// it joins the document.
class TFigurAufziehen : public TGeste
{
public:
    TFigurAufziehen(TFensterKontext *kontext, std::unique_ptr<TZeichenObjekt> figur);
    ~TFigurAufziehen() override;

    TZeichenObjekt *Figur() const { return figur_.get(); }
    bool Begonnen() const { return begonnen_; }

    void Beginnen(double x, double y);
    void Aufziehen(bool quadratisch, bool ausDerMitte, double x, double y);
    // Runs a step on the figure that may draw its preview.
    void MitVorschau(const std::function<void(TZeichenflaeche *)> &schritt);
    // Hands the figure out (the gesture is over).
    std::unique_ptr<TZeichenObjekt> Abgeben();
    void Nachzeichnen(TZeichenflaeche *zf) override;

private:
    std::unique_ptr<TZeichenObjekt> figur_;
    bool begonnen_ = false;
};

// Dragging a handle: the handle itself holds the preview copy; the gesture
// draws its steps onto the cached sheet image.
class TGriffZiehen : public TGeste
{
public:
    TGriffZiehen(TFensterKontext *kontext, TGriff *griff);
    ~TGriffZiehen() override;

    TGriff *Griff() const { return griff_; }
    void Beginnen(bool shift, bool strg, double x, double y);
    void Ziehen(bool shift, bool strg, double x, double y);
    // Applies the drag to the figure (the handle is gone afterwards).
    void Beenden();
    void Nachzeichnen(TZeichenflaeche *zf) override;

private:
    TGriff *griff_;
};
