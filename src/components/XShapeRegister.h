#pragma once
// Registers the extended shape controls (TXShape, TBeam, TXPolygon), their
// events and identifiers with the component registry. Called once at
// start-up after the platform's classes; repeating it is harmless.
void RegisterXShapeClasses();
