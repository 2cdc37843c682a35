#pragma once
// Every figure class in one include.
#include "figures/Ellipse.h"
#include "figures/Gruppe.h"
#include "figures/Linie.h"
#include "figures/LinienZug.h"
#include "figures/LinienZugPunkt.h"
#include "figures/Rechteck.h"
#include "figures/RechteckArt.h"
#include "figures/TextFeld.h"
#include "figures/VielEck.h"
#include "figures/ZeichenObjekt.h"
