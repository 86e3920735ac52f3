#pragma once
// The extended shape controls: TXShape, TBeam and TXPolygon.
#include "components/Beam.h"
#include "components/XPolygon.h"
#include "components/XShape.h"
