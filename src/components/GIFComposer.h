#pragma once
// Builds the picture an animation shows at a given frame: frames are drawn
// over each other in order, each frame's disposal applied when the next one
// comes. Pixels are premultiplied 0xAARRGGBB; transparent areas are 0.
#include <cstdint>
#include <vector>

#include "components/GIFTypes.h"

class TGIFComposer {
 public:
  // Clears to the background (transparent when the picture has
  // transparency, black otherwise) at the picture's logical size; no frame
  // is shown afterwards.
  void Reset(const TGIFPicture& Picture);
  // Shows frame Index (0-based). The next frame follows on from the one
  // shown; any other one is built again from the first frame on.
  void ShowFrame(const TGIFPicture& Picture, int Index);
  // The frame shown, -1 after Reset.
  int Current() const { return FCurrent; }
  const TGIFPixels& Picture() const { return FPixels; }
  // Hands the composed picture over; the composer is empty afterwards, as
  // before its first Reset.
  TGIFPixels TakePicture();

 private:
  TGIFPixels FPixels;
  std::vector<std::uint32_t> FSaved;  // what lies under a frame with disposal 3
  int FCurrent = -1;
  bool FTransparent = false;

  void Compose(const TGIFFrame& Frame);
  void Dispose(const TGIFFrame& Frame);
};
