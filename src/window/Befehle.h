#pragma once
// The editing commands of the menus and context menus, without any widget:
// each works on the workspace's selection (or on a handle) through the
// figures' own operations, which record the method calls. The caller then
// rebuilds handles, repaints and refreshes the analyser.
#include <QString>
#include <vector>

class TArbeitsbereich;
class TGriff;
class TGruppe;
class TLinienZug;
class TZeichenObjekt;

enum class TAusrichtenArt { Links, Rechts, Oben, Unten, HorizontalZentrieren, VertikalZentrieren };
enum class TReihenfolge { Vordergrund, Hintergrund, EineEbeneNachVorne, EineEbeneNachHinten };
enum class TPunktBefehl { InKurve, InGerade, PunktLoeschen, Oeffnen, Schliessen };

namespace befehle {

// Every selected figure runs one `verschieben` so that its bounding box
// lines up with the extreme (or the centre) of all boxes. Not modified.
// With `sperrenBeachten` (outside teacher mode) figures locked against the
// mouse stay in place; they still count for the extremes.
void Ausrichten(const std::vector<TZeichenObjekt *> &auswahl, TAusrichtenArt art,
                bool sperrenBeachten = false);

// Spreads three or more figures evenly between the two outer ones: sorts
// `auswahl` itself (left to right, or bottom to top), keeps the first and
// last in place and moves the others so that all gaps are equal. With
// `sperrenBeachten` a figure locked against the mouse stays where it is.
void Verteilen(std::vector<TZeichenObjekt *> &auswahl, bool horizontal, bool sperrenBeachten = false);

// Changes the drawing order of the selected figures in the document; sets
// the modified flag when anything was selected.
void ReihenfolgeAendern(TArbeitsbereich &ab, TReihenfolge art);

// horizontalSpiegeln / vertikalSpiegeln of each selected figure.
void Spiegeln(const std::vector<TZeichenObjekt *> &auswahl, bool horizontal);
// Each selected figure turns by richtung x 90 degrees about its own centre
// (1: to the left, -1: to the right).
void Kippen(const std::vector<TZeichenObjekt *> &auswahl, int richtung);

// Grouping is possible when the figure under the mouse is selected and more
// than one figure is selected.
bool GruppierenMoeglich(const TArbeitsbereich &ab, const TZeichenObjekt *aktuelles);
// Makes a named group of the selected figures (its creation is recorded)
// and selects it. Returns the group, or nullptr when not possible; when the
// group would nest deeper than a file may, nothing changes and `meldung`
// (when given) receives the message.
TGruppe *Gruppieren(TArbeitsbereich &ab, const TZeichenObjekt *aktuelles, QString *meldung = nullptr);
// Ungrouping is possible for one selected group that is not locked
// against the mouse (unless in teacher mode).
bool AufloesenMoeglich(const TArbeitsbereich &ab, const TZeichenObjekt *aktuelles);

// The polyline of a vertex or segment handle, or nullptr for other handles.
TLinienZug *KontextLinienzug(const TGriff *griff);
// Whether the point command is offered for the handle.
bool PunktBefehlSichtbar(const TGriff *griff, TPunktBefehl befehl);
// Carries the point command out; true when the polyline changed. Nothing is
// recorded and the modified flag stays as it is.
bool PunktBefehlAusfuehren(TArbeitsbereich &ab, TGriff *griff, TPunktBefehl befehl);

// The corner-count submenu is shown for exactly one selected polygon.
bool EckenzahlSichtbar(const std::vector<TZeichenObjekt *> &auswahl);
void EckenzahlSetzen(const std::vector<TZeichenObjekt *> &auswahl, int eckenzahl);

} // namespace befehle
