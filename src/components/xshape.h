#pragma once
// The extended shape controls: TXShape, TBeam and TXPolygon.
#include "components/xshape_beam.h"
#include "components/xshape_polygon.h"
#include "components/xshape_shape.h"
