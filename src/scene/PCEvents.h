#pragma once
// Events that hand a canvas to the handler: a panel's background and paint
// events, the scene box's canvas paint. Handlers are slots
//   void PCPanel1Paint(QObject* Sender, TCanvas* Canvas);
#include "platform/Canvas.h"
#include "platform/Events.h"

using TNotifyCanvasEvent = TEvent<TCanvas*>;
