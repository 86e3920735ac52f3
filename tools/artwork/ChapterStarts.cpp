#include "Pieces.h"
#include "Sketch.h"
TArtPicture DrawChapterStart(int) { TArtPicture P; P.Frames.push_back(art::NewImage(kPageWidth, kPageHeight, Qt::white)); return P; }
